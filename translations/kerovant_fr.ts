<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Kerovant</name>
    <message>
        <source>&amp;About Quintelle Configuration Utility...</source>
        <translation>À &amp;propos de l&apos;utilitaire de configuration Quintelle...</translation>
    </message>
    <message>
        <source>Save Link Trace...</source>
        <translation>Enregistrer la trace de liaison...</translation>
    </message>
    <message>
        <source>Save Link Trace</source>
        <translation>Enregistrer la trace de liaison</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>File dialog filter: keep the patterns in parentheses and the &quot;;;&quot;.</extracomment>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The link trace could not be saved to %1: %2</source>
        <translation>Impossible d&apos;enregistrer la trace de liaison dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <source>UTC Time</source>
        <translation>Heure UTC</translation>
    </message>
    <message>
        <source>Time Code Status</source>
        <translation>État du code temporel</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Daylight Savings Time</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>Time Code Settings</source>
        <translation>Paramètres du code temporel</translation>
    </message>
    <message>
        <source>Set DateTime</source>
        <translation>Régler date et heure</translation>
    </message>
    <message>
        <source>Clock Hand Position</source>
        <translation>Position des aiguilles</translation>
    </message>
    <message>
        <source>Clock vs this computer</source>
        <translation>Horloge par rapport à cet ordinateur</translation>
    </message>
    <message>
        <source>More than half a second off</source>
        <translation>Écart de plus d&apos;une demi-seconde</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button of every dialog; keep it short.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>No communication with clock.</source>
        <translation>Aucune communication avec l&apos;horloge.</translation>
    </message>
    <message>
        <source>Communication error setting clock configuration</source>
        <translation>Erreur de communication lors du réglage de la configuration de l&apos;horloge</translation>
    </message>
    <message>
        <source>Communication error setting clock time</source>
        <translation>Erreur de communication lors du réglage de l&apos;heure de l&apos;horloge</translation>
    </message>
    <message>
        <source>Communication error setting dial illumination</source>
        <translation>Erreur de communication lors du réglage de l&apos;éclairage du cadran</translation>
    </message>
    <message>
        <source>Communication error setting time code date use</source>
        <translation>Erreur de communication lors du réglage de l&apos;usage de la date du code temporel</translation>
    </message>
    <message>
        <source>Communication error setting clock face time</source>
        <translation>Erreur de communication lors du réglage de l&apos;heure affichée par le cadran</translation>
    </message>
    <message>
        <source>The clock refused it.</source>
        <translation>L&apos;horloge a refusé la modification.</translation>
    </message>
    <message>
        <source>The clock did not answer.</source>
        <translation>L&apos;horloge n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>The connection to the clock was lost.</source>
        <translation>La connexion avec l&apos;horloge a été perdue.</translation>
    </message>
    <message>
        <source>A later change took its place before it was sent.</source>
        <translation>Une modification ultérieure l&apos;a remplacée avant son envoi.</translation>
    </message>
    <message>
        <source>The clock holds other values than were sent.</source>
        <translation>L&apos;horloge contient d&apos;autres valeurs que celles envoyées.</translation>
    </message>
    <message>
        <source>Another clock was connected while the dialog was open. Nothing was sent to it.</source>
        <translation>Une autre horloge a été connectée pendant que la boîte de dialogue était ouverte. Rien ne lui a été envoyé.</translation>
    </message>
    <message>
        <source>About Orvessa Configuration Utility</source>
        <translation>À propos de l&apos;utilitaire de configuration Orvessa</translation>
    </message>
    <message>
        <source>This is a desktop application that configures an Orvessa via a USB cable.</source>
        <translation>Cette application de bureau configure une horloge Orvessa par un câble USB.</translation>
    </message>
    <message>
        <source>Version 1.4.0  07/28/2011</source>
        <translation>Version 1.4.0  28/07/2011</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button of every settings dialog; keep it short.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Time Zone Configuration</source>
        <translation>Configuration du fuseau horaire</translation>
    </message>
    <message>
        <source>Select a time zone description from the list box or configure a custom bias with the edit controls.  The edit controls represent the current configuration of the device.  Note: daylight savings time is not configured here.</source>
        <translation>Choisissez un fuseau horaire dans la liste ou saisissez un écart personnalisé dans les champs.  Les champs indiquent la configuration actuelle de l&apos;appareil.  Remarque&#xa0;: l&apos;heure d&apos;été ne se règle pas ici.</translation>
    </message>
    <message>
        <source>Bias</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Bias is negative?</source>
        <translation>Écart négatif&#xa0;?</translation>
    </message>
    <message>
        <source>Filter time zones</source>
        <translation>Filtrer les fuseaux horaires</translation>
    </message>
    <message>
        <source>Filter by name or offset, such as berlin or +05:30</source>
        <translation>Filtrer par nom ou écart, par exemple berlin ou +05:30</translation>
    </message>
    <message>
        <source>the catalogue&apos;s display names in catalogue order</source>
        <translation>les noms affichés du catalogue, dans l&apos;ordre du catalogue</translation>
    </message>
    <message>
        <source>bias hours</source>
        <translation>heures de l&apos;écart</translation>
    </message>
    <message>
        <source>bias minutes</source>
        <translation>minutes de l&apos;écart</translation>
    </message>
    <message>
        <source>bias seconds</source>
        <translation>secondes de l&apos;écart</translation>
    </message>
    <message>
        <source>spin of the three bias fields</source>
        <translation>boutons fléchés des trois champs de l&apos;écart</translation>
    </message>
    <message>
        <source>bias</source>
        <translation>écart</translation>
    </message>
    <message>
        <source>%1 up</source>
        <extracomment>%1 is what the arrows step, such as &quot;time and date&quot;.</extracomment>
        <translation>%1&#xa0;: augmenter</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1&#xa0;: diminuer</translation>
    </message>
    <message>
        <source>Set Date Time</source>
        <translation>Régler la date et l&apos;heure</translation>
    </message>
    <message>
        <source>UTC Time from PC clock</source>
        <translation>Heure UTC de l&apos;horloge du PC</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Radio button left of the date fields; keep it short.</extracomment>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Set Now</source>
        <translation>Régler</translation>
    </message>
    <message>
        <source>Note: the time/date you are providing shall be treated as UTC-referenced.</source>
        <translation>Remarque&#xa0;: la date et l&apos;heure saisies seront considérées comme des valeurs UTC.</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Caption over the time fields, 16 dialog units wide; one short word.</extracomment>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Caption over the date fields, 16 dialog units wide; one short word.</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>second</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>day of month</source>
        <translation>jour du mois</translation>
    </message>
    <message>
        <source>year</source>
        <translation>année</translation>
    </message>
    <message>
        <source>spin of the six fields</source>
        <translation>boutons fléchés des six champs</translation>
    </message>
    <message>
        <source>time and date</source>
        <translation>heure et date</translation>
    </message>
    <message>
        <source>Enter The Current Time Shown On The Face Of The Clock</source>
        <translation>Saisissez l&apos;heure actuellement affichée sur le cadran de l&apos;horloge</translation>
    </message>
    <message>
        <source>Note: The hands on the clock will be stopped while this dialog box is displayed. The hands will resume motion when this dialog box is closed.</source>
        <translation>Remarque&#xa0;: les aiguilles de l&apos;horloge restent arrêtées tant que cette boîte de dialogue est affichée. Elles repartent à sa fermeture.</translation>
    </message>
    <message>
        <source>Enter the current time shown on the face of the clock</source>
        <translation>Saisissez l&apos;heure affichée sur le cadran de l&apos;horloge</translation>
    </message>
    <message>
        <source>Align Seconds hand</source>
        <translation>Aligner la trotteuse</translation>
    </message>
    <message>
        <source>Each cllick of the button will move the Seconds hand 1/5th of a second</source>
        <translation>Chaque clic sur le bouton avance la trotteuse de 1/5 de seconde</translation>
    </message>
    <message>
        <source>Hand Motion</source>
        <translation>Mouvement des aiguilles</translation>
    </message>
    <message>
        <source>Forward</source>
        <extracomment>A small button; keep it short.</extracomment>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Sweep</source>
        <extracomment>A hand motion; keep it short.</extracomment>
        <translation>Continu</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>A hand motion; keep it short.</extracomment>
        <translation>Pas à pas</translation>
    </message>
    <message>
        <source>Check to set clock</source>
        <extracomment>Check box in a narrow place; keep it short.</extracomment>
        <translation>Régler l&apos;horloge</translation>
    </message>
    <message>
        <source>face time hours</source>
        <translation>heures du cadran</translation>
    </message>
    <message>
        <source>face time minutes</source>
        <translation>minutes du cadran</translation>
    </message>
    <message>
        <source>face time seconds</source>
        <translation>secondes du cadran</translation>
    </message>
    <message>
        <source>spin of the three face time fields</source>
        <translation>boutons fléchés des trois champs du cadran</translation>
    </message>
    <message>
        <source>face time</source>
        <translation>heure du cadran</translation>
    </message>
    <message>
        <source>The set time is 0:0:0 are you sure you want to continue?</source>
        <translation>L&apos;heure saisie est 0:0:0. Voulez-vous vraiment continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>The clock&apos;s hands are stopped. Start them again?</source>
        <translation>Les aiguilles de l&apos;horloge sont arrêtées. Les remettre en marche&#xa0;?</translation>
    </message>
    <message>
        <source>See users manual for supported date encoding formats.</source>
        <translation>Formats de date acceptés&#xa0;: voir le manuel d&apos;utilisation.</translation>
    </message>
    <message>
        <source>Use date information encoded in time code</source>
        <translation>Utiliser la date encodée dans le code temporel</translation>
    </message>
    <message>
        <source>Do not use date information encoded in time code</source>
        <translation>Ignorer la date encodée dans le code temporel</translation>
    </message>
    <message>
        <source>Daylight Bias</source>
        <translation>Écart d&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Disable daylight time</source>
        <translation>Sans heure d&apos;été</translation>
    </message>
    <message>
        <source>Time reference for daylight savings time shift</source>
        <translation>Référence horaire des changements d&apos;heure</translation>
    </message>
    <message>
        <source>Use UTC instead of local time</source>
        <translation>UTC au lieu de l&apos;heure locale</translation>
    </message>
    <message>
        <source>Daylight savings time start</source>
        <translation>Début de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Daylight savings time end</source>
        <translation>Fin de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>Which week of the month a change falls in; radio buttons in a narrow column.</extracomment>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Deuxième</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Troisième</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Quatrième</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Absolute</source>
        <extracomment>A change on a fixed date rather than a week of the month; radio button in a narrow column.</extracomment>
        <translation>Date fixe</translation>
    </message>
    <message>
        <source>Day of week:</source>
        <extracomment>Caption left of a list, 48 dialog units wide; keep it short.</extracomment>
        <translation>Jour&#xa0;:</translation>
    </message>
    <message>
        <source>Month:</source>
        <extracomment>Caption left of a list, 48 dialog units wide; keep it short.</extracomment>
        <translation>Mois&#xa0;:</translation>
    </message>
    <message>
        <source>Day of month:</source>
        <extracomment>Caption left of a field, 48 dialog units wide; keep it short.</extracomment>
        <translation>Quantième&#xa0;:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Caption left of the time fields, 48 dialog units wide; keep it short.</extracomment>
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>US/Canada Standard</source>
        <translation>Norme États-Unis/Canada</translation>
    </message>
    <message>
        <source>&amp;EU standard</source>
        <translation>Norme &amp;UE</translation>
    </message>
    <message>
        <source>&amp;US/Canada Standard pre 2007</source>
        <translation>É&amp;tats-Unis/Canada avant 2007</translation>
    </message>
    <message>
        <source>spin of the bias fields</source>
        <translation>boutons fléchés des champs de l&apos;écart</translation>
    </message>
    <message>
        <source>frame of the bias time fields</source>
        <translation>cadre des champs de l&apos;écart</translation>
    </message>
    <message>
        <source>start hour</source>
        <translation>heures du début</translation>
    </message>
    <message>
        <source>start minute</source>
        <translation>minutes du début</translation>
    </message>
    <message>
        <source>start second</source>
        <translation>secondes du début</translation>
    </message>
    <message>
        <source>spin of the start time fields</source>
        <translation>boutons fléchés des champs de l&apos;heure de début</translation>
    </message>
    <message>
        <source>frame of the start time fields</source>
        <translation>cadre des champs de l&apos;heure de début</translation>
    </message>
    <message>
        <source>start day of week</source>
        <translation>jour de la semaine du début</translation>
    </message>
    <message>
        <source>start month</source>
        <translation>mois du début</translation>
    </message>
    <message>
        <source>start day of month</source>
        <translation>jour du mois du début</translation>
    </message>
    <message>
        <source>end hour</source>
        <translation>heures de la fin</translation>
    </message>
    <message>
        <source>end minute</source>
        <translation>minutes de la fin</translation>
    </message>
    <message>
        <source>end second</source>
        <translation>secondes de la fin</translation>
    </message>
    <message>
        <source>spin of the end time fields</source>
        <translation>boutons fléchés des champs de l&apos;heure de fin</translation>
    </message>
    <message>
        <source>frame of the end time fields</source>
        <translation>cadre des champs de l&apos;heure de fin</translation>
    </message>
    <message>
        <source>end day of week</source>
        <translation>jour de la semaine de la fin</translation>
    </message>
    <message>
        <source>end month</source>
        <translation>mois de la fin</translation>
    </message>
    <message>
        <source>end day of month</source>
        <translation>jour du mois de la fin</translation>
    </message>
    <message>
        <source>start time</source>
        <translation>heure de début</translation>
    </message>
    <message>
        <source>end time</source>
        <translation>heure de fin</translation>
    </message>
    <message>
        <source>next changes</source>
        <translation>prochains changements d&apos;heure</translation>
    </message>
    <message>
        <source>daylight saving over the coming year</source>
        <translation>heure d&apos;été sur l&apos;année à venir</translation>
    </message>
    <message>
        <source>Daylight Savings Time from a Time Zone</source>
        <translation>Heure d&apos;été d&apos;un fuseau horaire</translation>
    </message>
    <message>
        <source>Choose the time zone whose daylight savings time rules the clock should follow.</source>
        <translation>Choisissez le fuseau horaire dont l&apos;horloge doit suivre les règles d&apos;heure d&apos;été.</translation>
    </message>
    <message>
        <source>time zones</source>
        <translation>fuseaux horaires</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>First USB bridge found</source>
        <translation>Premier pont USB trouvé</translation>
    </message>
    <message>
        <source>No USB bridge found</source>
        <translation>Aucun pont USB trouvé</translation>
    </message>
    <message>
        <source> (not found)</source>
        <extracomment>After the name of a chosen device that is not attached now; starts with a space.</extracomment>
        <translation> (introuvable)</translation>
    </message>
    <message>
        <source>This clock has no illumination: its firmware (%1) speaks protocol version 1.</source>
        <translation>Cette horloge n&apos;a pas d&apos;éclairage&#xa0;: son micrologiciel (%1) utilise la version 1 du protocole.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>Month: enter a month from 1 to 12.</source>
        <translation>Mois&#xa0;: saisissez un mois de 1 à 12.</translation>
    </message>
    <message>
        <source>Year: enter a year from %1 to %2.</source>
        <extracomment>%1 and %2: the first and last year the clock counts right.</extracomment>
        <translation>Année&#xa0;: saisissez une année de %1 à %2.</translation>
    </message>
    <message>
        <source>Day: %1 %2 has %3 days; enter 1 to %3.</source>
        <extracomment>%1 the month&apos;s name (&quot;April&quot;), %2 the year, %3 its number of days.</extracomment>
        <translation>Jour&#xa0;: %1 %2 compte %3 jours&#xa0;; saisissez un jour de 1 à %3.</translation>
    </message>
    <message>
        <source>Daylight Savings Time Configuration</source>
        <translation>Configuration de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Daylight savings time shift reference</source>
        <translation>Référence des changements d&apos;heure</translation>
    </message>
    <message>
        <source>Current &amp;System Setting</source>
        <translation>Réglage du &amp;système</translation>
    </message>
    <message>
        <source>From Zone...</source>
        <translation>D&apos;un fuseau...</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Firmware Version:  %1</source>
        <extracomment>The clock&apos;s firmware version: %1 the version (&quot;1.3.0&quot;) or &quot;not available&quot;; two blanks after the colon.</extracomment>
        <translation>Version du micrologiciel&#xa0;:  %1</translation>
    </message>
    <message>
        <source>Serial Number:  %1</source>
        <extracomment>The clock&apos;s serial number: %1 the number or &quot;not available&quot;; two blanks after the colon.</extracomment>
        <translation>Numéro de série&#xa0;:  %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader reads for a box of the main window: %1 the box&apos;s caption (&quot;Local Time&quot;), %2 the text it shows.
----------
A refusal of the daylight-saving rules: %1 the rule group&apos;s title (&quot;Daylight savings time start&quot;), %2 what to correct (&quot;choose a month.&quot;).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The day of a change on the year strip: %1 the day of the month, %2 the month&apos;s short name (&quot;28 Mar&quot;); keep it short.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>choose a week (First to Last) or Absolute.</source>
        <translation>choisissez une semaine (Premier à Dernier) ou Date fixe.</translation>
    </message>
    <message>
        <source>choose Absolute in both groups or a week in both.</source>
        <translation>choisissez Date fixe dans les deux groupes ou une semaine dans les deux.</translation>
    </message>
    <message>
        <source>choose a day of the week.</source>
        <translation>choisissez un jour de la semaine.</translation>
    </message>
    <message>
        <source>choose a month.</source>
        <translation>choisissez un mois.</translation>
    </message>
    <message>
        <source>type a day of the month from 1 to 31.</source>
        <translation>saisissez un jour du mois de 1 à 31.</translation>
    </message>
    <message>
        <source>%1 has %2 days.</source>
        <translation>%1 compte %2 jours.</translation>
    </message>
    <message>
        <source>type an hour from 0 to 24.</source>
        <translation>saisissez une heure de 0 à 24.</translation>
    </message>
    <message>
        <source>type a minute from 0 to 60.</source>
        <translation>saisissez une minute de 0 à 60.</translation>
    </message>
    <message>
        <source>type a second from 0 to 60.</source>
        <translation>saisissez une seconde de 0 à 60.</translation>
    </message>
    <message>
        <source>No time code</source>
        <translation>Aucun code temporel</translation>
    </message>
    <message>
        <source>IRIG-B : pulse width modulated</source>
        <translation>IRIG-B&#xa0;: modulé en largeur d&apos;impulsion</translation>
    </message>
    <message>
        <source>IRIG-B(1) : amplitude modulated</source>
        <translation>IRIG-B(1)&#xa0;: modulé en amplitude</translation>
    </message>
    <message>
        <source>Unknown time code</source>
        <translation>Code temporel inconnu</translation>
    </message>
    <message>
        <source>Clock is offline</source>
        <translation>Horloge hors ligne</translation>
    </message>
    <message>
        <source>about %1 s</source>
        <translation>environ %1 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>measuring</source>
        <translation>mesure en cours</translation>
    </message>
    <message>
        <source>Clock vs this computer: %1</source>
        <translation>Horloge par rapport à cet ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>The clock on %1 sends damaged replies (bad checksum).</source>
        <translation>L&apos;horloge sur %1 envoie des réponses endommagées (somme de contrôle erronée).</translation>
    </message>
    <message>
        <source>The clock on %1 sends damaged replies (bad checksum): %2</source>
        <translation>L&apos;horloge sur %1 envoie des réponses endommagées (somme de contrôle erronée)&#xa0;: %2</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies of the wrong length.</source>
        <translation>L&apos;horloge sur %1 envoie des réponses de longueur erronée.</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies of the wrong length: %2</source>
        <translation>L&apos;horloge sur %1 envoie des réponses de longueur erronée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers with the reply to another command.</source>
        <translation>L&apos;horloge sur %1 répond par la réponse à une autre commande.</translation>
    </message>
    <message>
        <source>The clock on %1 answers with the reply to another command: %2</source>
        <translation>L&apos;horloge sur %1 répond par la réponse à une autre commande&#xa0;: %2</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies that cannot be read.</source>
        <translation>L&apos;horloge sur %1 envoie des réponses illisibles.</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies that cannot be read: %2</source>
        <translation>L&apos;horloge sur %1 envoie des réponses illisibles&#xa0;: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers ACK where a reply belongs.</source>
        <translation>L&apos;horloge sur %1 répond ACK là où une réponse est attendue.</translation>
    </message>
    <message>
        <source>The clock on %1 answers ACK where a reply belongs: %2</source>
        <translation>L&apos;horloge sur %1 répond ACK là où une réponse est attendue&#xa0;: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers NAK: it did not take the command.</source>
        <translation>L&apos;horloge sur %1 répond NAK&#xa0;: elle n&apos;a pas accepté la commande.</translation>
    </message>
    <message>
        <source>The clock on %1 answers NAK: it did not take the command: %2</source>
        <translation>L&apos;horloge sur %1 répond NAK&#xa0;: elle n&apos;a pas accepté la commande&#xa0;: %2</translation>
    </message>
    <message>
        <source>The clock does not answer: %1</source>
        <translation>L&apos;horloge ne répond pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>The clock on %1 stopped answering.</source>
        <translation>L&apos;horloge sur %1 ne répond plus.</translation>
    </message>
    <message>
        <source>No clock answers on %1: check that the clock is powered and connected.</source>
        <translation>Aucune horloge ne répond sur %1&#xa0;: vérifiez que l&apos;horloge est alimentée et raccordée.</translation>
    </message>
    <message>
        <source>Looking for the clock on %1 ...</source>
        <translation>Recherche de l&apos;horloge sur %1...</translation>
    </message>
    <message>
        <source>Failed reading Family ID</source>
        <translation>Échec de la lecture de l&apos;identifiant de famille</translation>
    </message>
    <message>
        <source>Failed reading CPU type</source>
        <translation>Échec de la lecture du type de processeur</translation>
    </message>
    <message>
        <source>Failed reading firmware version</source>
        <translation>Échec de la lecture de la version du micrologiciel</translation>
    </message>
    <message>
        <source>Failed reading Serial Number</source>
        <translation>Échec de la lecture du numéro de série</translation>
    </message>
    <message>
        <source>Failed reading current time</source>
        <translation>Échec de la lecture de l&apos;heure actuelle</translation>
    </message>
    <message>
        <source>Failed reading clock configuration</source>
        <translation>Échec de la lecture de la configuration de l&apos;horloge</translation>
    </message>
    <message>
        <source>Failed reading display hardware configuration</source>
        <translation>Échec de la lecture de la configuration matérielle de l&apos;affichage</translation>
    </message>
    <message>
        <source>Failed reading display configuration</source>
        <translation>Échec de la lecture de la configuration de l&apos;affichage</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Erreur de communication</translation>
    </message>
    <message>
        <source>The USB port has not been opened yet.</source>
        <translation>Le port USB n&apos;a pas encore été ouvert.</translation>
    </message>
    <message>
        <source>Connected through %1.</source>
        <translation>Connecté par %1.</translation>
    </message>
    <message>
        <source>No USB bridge found: check that the clock&apos;s USB cable is plugged in.</source>
        <translation>Aucun pont USB trouvé&#xa0;: vérifiez que le câble USB de l&apos;horloge est branché.</translation>
    </message>
    <message>
        <source>Device %1 does not exist: check the cable and the device name.</source>
        <translation>Le périphérique %1 n&apos;existe pas&#xa0;: vérifiez le câble et le nom du périphérique.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 n&apos;est pas un périphérique série.</translation>
    </message>
    <message>
        <source>%1 was unplugged.</source>
        <translation>%1 a été débranché.</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>%1 UTC (%2)</source>
        <translation>%1 UTC (%2)</translation>
    </message>
    <message>
        <source>%1 local (%2)</source>
        <translation>%1 heure locale (%2)</translation>
    </message>
    <message>
        <source>there daylight time starts on %1</source>
        <translation>là-bas l&apos;heure d&apos;été commence le %1</translation>
    </message>
    <message>
        <source>there daylight time ends on %1</source>
        <translation>là-bas l&apos;heure d&apos;été se termine le %1</translation>
    </message>
    <message>
        <source>with these rules daylight time starts on %1</source>
        <translation>avec ces règles l&apos;heure d&apos;été commence le %1</translation>
    </message>
    <message>
        <source>with these rules daylight time ends on %1</source>
        <translation>avec ces règles l&apos;heure d&apos;été se termine le %1</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is not in this computer&apos;s time zone data.</source>
        <translation>Le fuseau horaire «&#xa0;%1&#xa0;» ne figure pas dans les données de fuseaux horaires de cet ordinateur.</translation>
    </message>
    <message>
        <source>%1 has no daylight saving time; &quot;Disable daylight time&quot; turns it off on the clock.</source>
        <translation>%1 n&apos;a pas d&apos;heure d&apos;été&#xa0;; «&#xa0;Sans heure d&apos;été&#xa0;» la désactive sur l&apos;horloge.</translation>
    </message>
    <message>
        <source>Daylight time off</source>
        <translation>Heure d&apos;été désactivée</translation>
    </message>
    <message>
        <source>No change: daylight time starts and ends at the same moment.</source>
        <translation>Aucun changement&#xa0;: l&apos;heure d&apos;été commence et se termine au même instant.</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Prochains&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Prochain&#xa0;: %1</translation>
    </message>
    <message>
        <source>Agrees with %1, which has no daylight saving time.</source>
        <translation>Concorde avec %1, qui n&apos;a pas d&apos;heure d&apos;été.</translation>
    </message>
    <message>
        <source>Agrees with %1 in the time zone data over the next ten years.</source>
        <translation>Concorde avec %1 des données de fuseaux horaires pour les dix prochaines années.</translation>
    </message>
    <message>
        <source>there nothing changes</source>
        <translation>là-bas rien ne change</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>with these rules nothing changes</source>
        <translation>avec ces règles rien ne change</translation>
    </message>
    <message>
        <source>from %1 UTC the zone&apos;s time is %2, the clock&apos;s %3</source>
        <translation>à partir du %1 UTC l&apos;heure du fuseau est %2, celle de l&apos;horloge %3</translation>
    </message>
    <message>
        <source>the clock&apos;s time zone bias is %1, the zone&apos;s standard time %2</source>
        <translation>l&apos;écart de fuseau horaire de l&apos;horloge est %1, l&apos;heure normale du fuseau %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <source>Differs from %1 in the time zone data: %2.</source>
        <translation>Diffère du fuseau %1 des données de fuseaux horaires&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <extracomment>A day of a month, &quot;21 March&quot;, inside a longer phrase (&quot;the Sunday on or after 21 March&quot;): %1 the month&apos;s name, %2 the day, no article. The form for one lets the language write the first of the month (&quot;1er mars&quot;, &quot;1. März&quot;).</extracomment>
        <translation>
            <numerusform>%2er %1</numerusform>
            <numerusform>%2 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 UTC</source>
        <extracomment>The day and time of a change (&quot;the last Sunday of March at 01:00 UTC&quot;): %1 the day with its preposition, %2 the time. The form for one is for the hour 1 (Spanish &quot;a la 01:00&quot;, &quot;a las 02:00&quot;).</extracomment>
        <translation>
            <numerusform>%1 à %2 UTC</numerusform>
            <numerusform>%1 à %2 UTC</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 local time</source>
        <translation>
            <numerusform>%1 à %2 heure locale</numerusform>
            <numerusform>%1 à %2 heure locale</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, %3 and later years</source>
        <translation>%1, %2, %3 et les années suivantes</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 et %3</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>%1 local time</source>
        <translation>%1 heure locale</translation>
    </message>
    <message>
        <source>The clock cannot follow the start exactly: %1 starts daylight time on %2, and %3 differs in %4 (%5 there, %6 on the clock).</source>
        <extracomment>%1 the zone, %2 the day it changes on with its preposition (&quot;on the Sunday on or after 8 March&quot;), %3 the clock&apos;s day as the subject (&quot;the last Sunday of March&quot;), %4 the years (&quot;2027 and 2028&quot;), %5 and %6 a day and time there and on the clock.</extracomment>
        <translation>L&apos;horloge ne peut pas suivre exactement le début&#xa0;: dans le fuseau %1, l&apos;heure d&apos;été commence %2, mais %3 s&apos;en écarte en %4 (%5 là-bas, %6 sur l&apos;horloge).</translation>
    </message>
    <message>
        <source>The clock cannot follow the end exactly: %1 ends daylight time on %2, and %3 differs in %4 (%5 there, %6 on the clock).</source>
        <translation>L&apos;horloge ne peut pas suivre exactement la fin&#xa0;: dans le fuseau %1, l&apos;heure d&apos;été se termine %2, mais %3 s&apos;en écarte en %4 (%5 là-bas, %6 sur l&apos;horloge).</translation>
    </message>
    <message>
        <source>The clock cannot follow the start exactly: %1 differs from %2 in %3 (%4 there, %5 on the clock).</source>
        <extracomment>%1 the clock&apos;s day as the subject (&quot;the last Sunday of March&quot;), %2 the zone, %3 the years (&quot;2027 and 2028&quot;), %4 and %5 a day and time there and on the clock.</extracomment>
        <translation>L&apos;horloge ne peut pas suivre exactement le début&#xa0;: %1 diffère du fuseau %2 en %3 (%4 là-bas, %5 sur l&apos;horloge).</translation>
    </message>
    <message>
        <source>The clock cannot follow the end exactly: %1 differs from %2 in %3 (%4 there, %5 on the clock).</source>
        <translation>L&apos;horloge ne peut pas suivre exactement la fin&#xa0;: %1 diffère du fuseau %2 en %3 (%4 là-bas, %5 sur l&apos;horloge).</translation>
    </message>
    <message>
        <source>%1 has no daylight saving time: &quot;Disable daylight time&quot; is ticked, so the clock keeps standard time all year.</source>
        <translation>%1 n&apos;a pas d&apos;heure d&apos;été&#xa0;: «&#xa0;Sans heure d&apos;été&#xa0;» est coché, l&apos;horloge reste à l&apos;heure normale toute l&apos;année.</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is not in this computer&apos;s time zone data; nothing was imported.</source>
        <translation>Le fuseau horaire «&#xa0;%1&#xa0;» ne figure pas dans les données de fuseaux horaires de cet ordinateur&#xa0;; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Imported the rules of %1: daylight time starts on %2 and ends on %3.</source>
        <extracomment>%1 the zone, %2 and %3 the days and times of the changes with their prepositions (&quot;on the last Sunday of March at 01:00 UTC&quot;): write no preposition before them.</extracomment>
        <translation>Règles du fuseau %1 importées&#xa0;: l&apos;heure d&apos;été commence %2 et se termine %3.</translation>
    </message>
    <message>
        <source>Daylight time moves the clock %1 back.</source>
        <translation>L&apos;heure d&apos;été retarde l&apos;horloge de %1.</translation>
    </message>
    <message>
        <source>Daylight time moves the clock %1 forward.</source>
        <translation>L&apos;heure d&apos;été avance l&apos;horloge de %1.</translation>
    </message>
    <message>
        <source>Local times are those the clock shows just before each change.</source>
        <translation>Les heures locales sont celles que l&apos;horloge affiche juste avant chaque changement.</translation>
    </message>
    <message>
        <source>The time zone data does not confirm whether the changes follow UTC or local time; local time is used.</source>
        <translation>Les données de fuseaux horaires ne confirment pas si les changements suivent l&apos;UTC ou l&apos;heure locale&#xa0;; l&apos;heure locale est utilisée.</translation>
    </message>
    <message>
        <source>The zone&apos;s shift varies over the years; the clock keeps %1.</source>
        <translation>L&apos;écart d&apos;heure d&apos;été du fuseau varie selon les années&#xa0;; l&apos;horloge garde %1.</translation>
    </message>
    <message>
        <source>The zone also changes its standard time on %1 UTC; the clock&apos;s time zone bias does not follow.</source>
        <translation>Le fuseau change aussi son heure normale le %1 UTC&#xa0;; l&apos;écart de fuseau horaire de l&apos;horloge ne suit pas.</translation>
    </message>
    <message>
        <source>This computer names no time zone; nothing was imported.</source>
        <translation>Cet ordinateur n&apos;indique aucun fuseau horaire&#xa0;; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Kerovant&apos;s udev rule (%1) gives the user at the desktop access to the clock: install it (the kerovant package does), then plug the clock in again.</source>
        <translation>La règle udev de Kerovant (%1) donne à l&apos;utilisateur du bureau l&apos;accès à l&apos;horloge&#xa0;: installez-la (le paquet kerovant le fait), puis rebranchez l&apos;horloge.</translation>
    </message>
    <message>
        <source>Permission denied on %1. %2</source>
        <translation>Accès refusé à %1. %2</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group &apos;%2&apos; (for example: sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>Accès refusé à %1&#xa0;: rejoignez le groupe «&#xa0;%2&#xa0;» (par exemple&#xa0;: sudo usermod -aG %2 $USER), puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>only the administrator may read and write it</source>
        <translation>seul l&apos;administrateur peut le lire et l&apos;écrire</translation>
    </message>
    <message>
        <source>only root may read and write it</source>
        <translation>seul root peut le lire et l&apos;écrire</translation>
    </message>
    <message>
        <source>only its owner, the user &apos;%1&apos;, may read and write it</source>
        <translation>seul son propriétaire, l&apos;utilisateur «&#xa0;%1&#xa0;», peut le lire et l&apos;écrire</translation>
    </message>
    <message>
        <source>only its owner, user ID %1, may read and write it</source>
        <translation>seul son propriétaire, l&apos;utilisateur d&apos;ID %1, peut le lire et l&apos;écrire</translation>
    </message>
    <message>
        <source>Permission denied on %1: %2. %3</source>
        <translation>Accès refusé à %1&#xa0;: %2. %3</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close that program and try again.</source>
        <translation>%1 est utilisé par un autre programme&#xa0;: fermez ce programme et réessayez.</translation>
    </message>
    <message>
        <source>a program (process %1)</source>
        <translation>un programme (processus %1)</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (processus %2)</translation>
    </message>
    <message>
        <source>%1 is in use by %2. Kerovant&apos;s udev rule (%3) tells ModemManager to leave the clock alone: install it (the kerovant package does), then plug the clock in again.</source>
        <translation>%1 est utilisé par %2. La règle udev de Kerovant (%3) indique à ModemManager de laisser l&apos;horloge tranquille&#xa0;: installez-la (le paquet kerovant le fait), puis rebranchez l&apos;horloge.</translation>
    </message>
    <message>
        <source>%1 is in use by %2: close that program and try again.</source>
        <translation>%1 est utilisé par %2&#xa0;: fermez ce programme et réessayez.</translation>
    </message>
    <message>
        <source>The clock&apos;s configuration holds values out of range:
%1</source>
        <translation>La configuration de l&apos;horloge contient des valeurs hors limites :
%1</translation>
    </message>
    <message>
        <source>Correct them now? Hand motion out of range becomes sweep, a date flag above 1 becomes 1, and daylight-saving rules out of range go back to the defaults (no daylight saving shift).</source>
        <translation>Les corriger maintenant&#xa0;? Un mouvement des aiguilles hors limites devient continu, un indicateur de date supérieur à 1 devient 1, et les règles d&apos;heure d&apos;été hors limites reprennent les valeurs par défaut (sans écart d&apos;heure d&apos;été).</translation>
    </message>
    <message>
        <source>A time zone bias or daylight saving shift beyond 24 hours is not corrected here: set them with Time Zone and Daylight Savings Time.</source>
        <translation>Un écart de fuseau horaire ou d&apos;heure d&apos;été de plus de 24 heures n&apos;est pas corrigé ici&#xa0;: réglez-les avec «&#xa0;Fuseau horaire&#xa0;» et «&#xa0;Heure d&apos;été&#xa0;».</translation>
    </message>
    <message>
        <source>The clock&apos;s configuration was corrected.</source>
        <translation>La configuration de l&apos;horloge a été corrigée.</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4 %5</source>
        <extracomment>A day and time, &quot;Sun 28 Mar 2027 01:00&quot;: %1 the weekday&apos;s short name, %2 the day of the month, %3 the month&apos;s short name, %4 the year, %5 the time. Order and punctuation as the language writes a date.</extracomment>
        <translation>%1 %2 %3 %4 %5</translation>
    </message>
    <message>
        <source>The clock acknowledged it, but the connection was lost before it could be confirmed. It is checked when the clock is back; you are told only if the clock holds other values.</source>
        <translation>L&apos;horloge l&apos;a accepté, mais la connexion a été perdue avant qu&apos;il puisse être vérifié. Il sera vérifié au retour de l&apos;horloge ; vous serez prévenu seulement si l&apos;horloge contient d&apos;autres valeurs.</translation>
    </message>
    <message>
        <source>The clock is not connected. Setting goes on once the same clock is back.</source>
        <translation>L&apos;horloge n&apos;est pas connectée. Le réglage reprend dès que la même horloge est de retour.</translation>
    </message>
    <message>
        <source>the first Sunday %1</source>
        <comment>subject</comment>
        <extracomment>A week&apos;s weekday of a month standing as the subject of a sentence (&quot;the last Sunday of March differs in 2027&quot;), %1 the month with its &quot;of&quot; (&quot;of March&quot;). The ordinal agrees with the weekday: one message for each week and weekday.</extracomment>
        <translation>le premier dimanche %1</translation>
    </message>
    <message>
        <source>the first Monday %1</source>
        <comment>subject</comment>
        <translation>le premier lundi %1</translation>
    </message>
    <message>
        <source>the first Tuesday %1</source>
        <comment>subject</comment>
        <translation>le premier mardi %1</translation>
    </message>
    <message>
        <source>the first Wednesday %1</source>
        <comment>subject</comment>
        <translation>le premier mercredi %1</translation>
    </message>
    <message>
        <source>the first Thursday %1</source>
        <comment>subject</comment>
        <translation>le premier jeudi %1</translation>
    </message>
    <message>
        <source>the first Friday %1</source>
        <comment>subject</comment>
        <translation>le premier vendredi %1</translation>
    </message>
    <message>
        <source>the first Saturday %1</source>
        <comment>subject</comment>
        <translation>le premier samedi %1</translation>
    </message>
    <message>
        <source>the second Sunday %1</source>
        <comment>subject</comment>
        <translation>le deuxième dimanche %1</translation>
    </message>
    <message>
        <source>the second Monday %1</source>
        <comment>subject</comment>
        <translation>le deuxième lundi %1</translation>
    </message>
    <message>
        <source>the second Tuesday %1</source>
        <comment>subject</comment>
        <translation>le deuxième mardi %1</translation>
    </message>
    <message>
        <source>the second Wednesday %1</source>
        <comment>subject</comment>
        <translation>le deuxième mercredi %1</translation>
    </message>
    <message>
        <source>the second Thursday %1</source>
        <comment>subject</comment>
        <translation>le deuxième jeudi %1</translation>
    </message>
    <message>
        <source>the second Friday %1</source>
        <comment>subject</comment>
        <translation>le deuxième vendredi %1</translation>
    </message>
    <message>
        <source>the second Saturday %1</source>
        <comment>subject</comment>
        <translation>le deuxième samedi %1</translation>
    </message>
    <message>
        <source>the third Sunday %1</source>
        <comment>subject</comment>
        <translation>le troisième dimanche %1</translation>
    </message>
    <message>
        <source>the third Monday %1</source>
        <comment>subject</comment>
        <translation>le troisième lundi %1</translation>
    </message>
    <message>
        <source>the third Tuesday %1</source>
        <comment>subject</comment>
        <translation>le troisième mardi %1</translation>
    </message>
    <message>
        <source>the third Wednesday %1</source>
        <comment>subject</comment>
        <translation>le troisième mercredi %1</translation>
    </message>
    <message>
        <source>the third Thursday %1</source>
        <comment>subject</comment>
        <translation>le troisième jeudi %1</translation>
    </message>
    <message>
        <source>the third Friday %1</source>
        <comment>subject</comment>
        <translation>le troisième vendredi %1</translation>
    </message>
    <message>
        <source>the third Saturday %1</source>
        <comment>subject</comment>
        <translation>le troisième samedi %1</translation>
    </message>
    <message>
        <source>the fourth Sunday %1</source>
        <comment>subject</comment>
        <translation>le quatrième dimanche %1</translation>
    </message>
    <message>
        <source>the fourth Monday %1</source>
        <comment>subject</comment>
        <translation>le quatrième lundi %1</translation>
    </message>
    <message>
        <source>the fourth Tuesday %1</source>
        <comment>subject</comment>
        <translation>le quatrième mardi %1</translation>
    </message>
    <message>
        <source>the fourth Wednesday %1</source>
        <comment>subject</comment>
        <translation>le quatrième mercredi %1</translation>
    </message>
    <message>
        <source>the fourth Thursday %1</source>
        <comment>subject</comment>
        <translation>le quatrième jeudi %1</translation>
    </message>
    <message>
        <source>the fourth Friday %1</source>
        <comment>subject</comment>
        <translation>le quatrième vendredi %1</translation>
    </message>
    <message>
        <source>the fourth Saturday %1</source>
        <comment>subject</comment>
        <translation>le quatrième samedi %1</translation>
    </message>
    <message>
        <source>the last Sunday %1</source>
        <comment>subject</comment>
        <translation>le dernier dimanche %1</translation>
    </message>
    <message>
        <source>the last Monday %1</source>
        <comment>subject</comment>
        <translation>le dernier lundi %1</translation>
    </message>
    <message>
        <source>the last Tuesday %1</source>
        <comment>subject</comment>
        <translation>le dernier mardi %1</translation>
    </message>
    <message>
        <source>the last Wednesday %1</source>
        <comment>subject</comment>
        <translation>le dernier mercredi %1</translation>
    </message>
    <message>
        <source>the last Thursday %1</source>
        <comment>subject</comment>
        <translation>le dernier jeudi %1</translation>
    </message>
    <message>
        <source>the last Friday %1</source>
        <comment>subject</comment>
        <translation>le dernier vendredi %1</translation>
    </message>
    <message>
        <source>the last Saturday %1</source>
        <comment>subject</comment>
        <translation>le dernier samedi %1</translation>
    </message>
    <message>
        <source>the first Sunday %1</source>
        <comment>on a day</comment>
        <extracomment>The day something happens on (&quot;daylight time starts on the last Sunday of March&quot;), %1 the month with its &quot;of&quot; (&quot;of March&quot;). Write the preposition and case the day takes here (&quot;am letzten Sonntag&quot;, &quot;no último domingo&quot;), or none; the sentence around it has none.</extracomment>
        <translation>le premier dimanche %1</translation>
    </message>
    <message>
        <source>the first Monday %1</source>
        <comment>on a day</comment>
        <translation>le premier lundi %1</translation>
    </message>
    <message>
        <source>the first Tuesday %1</source>
        <comment>on a day</comment>
        <translation>le premier mardi %1</translation>
    </message>
    <message>
        <source>the first Wednesday %1</source>
        <comment>on a day</comment>
        <translation>le premier mercredi %1</translation>
    </message>
    <message>
        <source>the first Thursday %1</source>
        <comment>on a day</comment>
        <translation>le premier jeudi %1</translation>
    </message>
    <message>
        <source>the first Friday %1</source>
        <comment>on a day</comment>
        <translation>le premier vendredi %1</translation>
    </message>
    <message>
        <source>the first Saturday %1</source>
        <comment>on a day</comment>
        <translation>le premier samedi %1</translation>
    </message>
    <message>
        <source>the second Sunday %1</source>
        <comment>on a day</comment>
        <translation>le deuxième dimanche %1</translation>
    </message>
    <message>
        <source>the second Monday %1</source>
        <comment>on a day</comment>
        <translation>le deuxième lundi %1</translation>
    </message>
    <message>
        <source>the second Tuesday %1</source>
        <comment>on a day</comment>
        <translation>le deuxième mardi %1</translation>
    </message>
    <message>
        <source>the second Wednesday %1</source>
        <comment>on a day</comment>
        <translation>le deuxième mercredi %1</translation>
    </message>
    <message>
        <source>the second Thursday %1</source>
        <comment>on a day</comment>
        <translation>le deuxième jeudi %1</translation>
    </message>
    <message>
        <source>the second Friday %1</source>
        <comment>on a day</comment>
        <translation>le deuxième vendredi %1</translation>
    </message>
    <message>
        <source>the second Saturday %1</source>
        <comment>on a day</comment>
        <translation>le deuxième samedi %1</translation>
    </message>
    <message>
        <source>the third Sunday %1</source>
        <comment>on a day</comment>
        <translation>le troisième dimanche %1</translation>
    </message>
    <message>
        <source>the third Monday %1</source>
        <comment>on a day</comment>
        <translation>le troisième lundi %1</translation>
    </message>
    <message>
        <source>the third Tuesday %1</source>
        <comment>on a day</comment>
        <translation>le troisième mardi %1</translation>
    </message>
    <message>
        <source>the third Wednesday %1</source>
        <comment>on a day</comment>
        <translation>le troisième mercredi %1</translation>
    </message>
    <message>
        <source>the third Thursday %1</source>
        <comment>on a day</comment>
        <translation>le troisième jeudi %1</translation>
    </message>
    <message>
        <source>the third Friday %1</source>
        <comment>on a day</comment>
        <translation>le troisième vendredi %1</translation>
    </message>
    <message>
        <source>the third Saturday %1</source>
        <comment>on a day</comment>
        <translation>le troisième samedi %1</translation>
    </message>
    <message>
        <source>the fourth Sunday %1</source>
        <comment>on a day</comment>
        <translation>le quatrième dimanche %1</translation>
    </message>
    <message>
        <source>the fourth Monday %1</source>
        <comment>on a day</comment>
        <translation>le quatrième lundi %1</translation>
    </message>
    <message>
        <source>the fourth Tuesday %1</source>
        <comment>on a day</comment>
        <translation>le quatrième mardi %1</translation>
    </message>
    <message>
        <source>the fourth Wednesday %1</source>
        <comment>on a day</comment>
        <translation>le quatrième mercredi %1</translation>
    </message>
    <message>
        <source>the fourth Thursday %1</source>
        <comment>on a day</comment>
        <translation>le quatrième jeudi %1</translation>
    </message>
    <message>
        <source>the fourth Friday %1</source>
        <comment>on a day</comment>
        <translation>le quatrième vendredi %1</translation>
    </message>
    <message>
        <source>the fourth Saturday %1</source>
        <comment>on a day</comment>
        <translation>le quatrième samedi %1</translation>
    </message>
    <message>
        <source>the last Sunday %1</source>
        <comment>on a day</comment>
        <translation>le dernier dimanche %1</translation>
    </message>
    <message>
        <source>the last Monday %1</source>
        <comment>on a day</comment>
        <translation>le dernier lundi %1</translation>
    </message>
    <message>
        <source>the last Tuesday %1</source>
        <comment>on a day</comment>
        <translation>le dernier mardi %1</translation>
    </message>
    <message>
        <source>the last Wednesday %1</source>
        <comment>on a day</comment>
        <translation>le dernier mercredi %1</translation>
    </message>
    <message>
        <source>the last Thursday %1</source>
        <comment>on a day</comment>
        <translation>le dernier jeudi %1</translation>
    </message>
    <message>
        <source>the last Friday %1</source>
        <comment>on a day</comment>
        <translation>le dernier vendredi %1</translation>
    </message>
    <message>
        <source>the last Saturday %1</source>
        <comment>on a day</comment>
        <translation>le dernier samedi %1</translation>
    </message>
    <message>
        <source>of January</source>
        <extracomment>A month after a week&apos;s weekday (&quot;the last Sunday&quot; + &quot;of October&quot;), with the word that joins them: &quot;d&apos;octobre&quot; where French elides, &quot;im Oktober&quot; in German.</extracomment>
        <translation>de janvier</translation>
    </message>
    <message>
        <source>of February</source>
        <translation>de février</translation>
    </message>
    <message>
        <source>of March</source>
        <translation>de mars</translation>
    </message>
    <message>
        <source>of April</source>
        <translation>d&apos;avril</translation>
    </message>
    <message>
        <source>of May</source>
        <translation>de mai</translation>
    </message>
    <message>
        <source>of June</source>
        <translation>de juin</translation>
    </message>
    <message>
        <source>of July</source>
        <translation>de juillet</translation>
    </message>
    <message>
        <source>of August</source>
        <translation>d&apos;août</translation>
    </message>
    <message>
        <source>of September</source>
        <translation>de septembre</translation>
    </message>
    <message>
        <source>of October</source>
        <translation>d&apos;octobre</translation>
    </message>
    <message>
        <source>of November</source>
        <translation>de novembre</translation>
    </message>
    <message>
        <source>of December</source>
        <translation>de décembre</translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <comment>subject</comment>
        <extracomment>A fixed day standing as the subject of a sentence (&quot;21 March differs in 2027&quot;): %1 the month&apos;s name, %2 the day of the month, with the article the language needs. The form for one lets the language write the first of the month (&quot;le 1er mars&quot;).</extracomment>
        <translation>
            <numerusform>le %2er %1</numerusform>
            <numerusform>le %2 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <comment>on a day</comment>
        <extracomment>The fixed day something happens on (&quot;daylight time starts on 21 March&quot;): %1 the month&apos;s name, %2 the day of the month. Write the preposition and case the day takes here (&quot;am 21. März&quot;), or none; the sentence around it has none. The form for one lets the language write the first of the month (&quot;le 1er mars&quot;).</extracomment>
        <translation>
            <numerusform>le %2er %1</numerusform>
            <numerusform>le %2 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the Sunday on or after %1</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on (&quot;starts on the Sunday on or after 8 March&quot;), %1 the day and month without an article (&quot;8 March&quot;). Write the preposition and case the day takes here (&quot;am ersten Sonntag ab dem %1&quot;), or none; the sentence around it has none.</extracomment>
        <translation>le premier dimanche à partir du %1</translation>
    </message>
    <message>
        <source>the Monday on or after %1</source>
        <translation>le premier lundi à partir du %1</translation>
    </message>
    <message>
        <source>the Tuesday on or after %1</source>
        <translation>le premier mardi à partir du %1</translation>
    </message>
    <message>
        <source>the Wednesday on or after %1</source>
        <translation>le premier mercredi à partir du %1</translation>
    </message>
    <message>
        <source>the Thursday on or after %1</source>
        <translation>le premier jeudi à partir du %1</translation>
    </message>
    <message>
        <source>the Friday on or after %1</source>
        <translation>le premier vendredi à partir du %1</translation>
    </message>
    <message>
        <source>the Saturday on or after %1</source>
        <translation>le premier samedi à partir du %1</translation>
    </message>
    <message>
        <source>the Sunday on or before %1</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on (&quot;ends on the Sunday on or before 25 October&quot;), %1 the day and month without an article. Write the preposition and case the day takes here (&quot;am letzten Sonntag bis zum %1&quot;), or none.</extracomment>
        <translation>le dernier dimanche jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>the Monday on or before %1</source>
        <translation>le dernier lundi jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>the Tuesday on or before %1</source>
        <translation>le dernier mardi jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>the Wednesday on or before %1</source>
        <translation>le dernier mercredi jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>the Thursday on or before %1</source>
        <translation>le dernier jeudi jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>the Friday on or before %1</source>
        <translation>le dernier vendredi jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>the Saturday on or before %1</source>
        <translation>le dernier samedi jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>the Sunday of week %1 %2</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on: %1 the number of the week in the month, %2 the month with its &quot;of&quot; (&quot;of March&quot;). Write the preposition and case the day takes here, or none.</extracomment>
        <translation>le dimanche de la semaine %1 %2</translation>
    </message>
    <message>
        <source>the Monday of week %1 %2</source>
        <translation>le lundi de la semaine %1 %2</translation>
    </message>
    <message>
        <source>the Tuesday of week %1 %2</source>
        <translation>le mardi de la semaine %1 %2</translation>
    </message>
    <message>
        <source>the Wednesday of week %1 %2</source>
        <translation>le mercredi de la semaine %1 %2</translation>
    </message>
    <message>
        <source>the Thursday of week %1 %2</source>
        <translation>le jeudi de la semaine %1 %2</translation>
    </message>
    <message>
        <source>the Friday of week %1 %2</source>
        <translation>le vendredi de la semaine %1 %2</translation>
    </message>
    <message>
        <source>the Saturday of week %1 %2</source>
        <translation>le samedi de la semaine %1 %2</translation>
    </message>
    <message>
        <source>Permission denied on the clock&apos;s USB device. %1</source>
        <translation>Accès refusé au périphérique USB de l&apos;horloge. %1</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device is in use by another program: close that program and try again.</source>
        <translation>Le périphérique USB de l&apos;horloge est utilisé par un autre programme&#xa0;: fermez ce programme et réessayez.</translation>
    </message>
    <message>
        <source>Connected through the clock&apos;s USB device.</source>
        <translation>Connecté par le périphérique USB de l&apos;horloge.</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device was unplugged.</source>
        <translation>Le périphérique USB de l&apos;horloge a été débranché.</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device could not be opened.</source>
        <translation>Le périphérique USB de l&apos;horloge n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Clock Configuration Utility</source>
        <extracomment>The product line of the About box before a clock is identified (and for a clock of no known brand); once identified, the brand&apos;s product name.</extracomment>
        <translation>Utilitaire de configuration d&apos;horloge</translation>
    </message>
    <message>
        <source>not available</source>
        <extracomment>In place of the firmware version or serial number while no clock answers.</extracomment>
        <translation>non disponible</translation>
    </message>
    <message>
        <source>Clock Control</source>
        <extracomment>The window&apos;s title before a clock is identified (and for a clock of no known brand); once identified, the brand&apos;s product name.</extracomment>
        <translation>Contrôle de l&apos;horloge</translation>
    </message>
</context>
<context>
    <name>KerovantShort</name>
    <message>
        <source>Sun</source>
        <extracomment>A weekday&apos;s short name, in a change&apos;s day (&quot;Sun 28 Mar 2027&quot;): the language&apos;s usual abbreviation, dot included where it takes one.</extracomment>
        <translation>dim.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer.</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jeu.</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven.</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sam.</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>A month&apos;s short name, under its month in the year strip: at most five characters, or the strip&apos;s names run into each other.</extracomment>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>The short name of May, under its month in the year strip: at most five characters.</extracomment>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
</context>
</TS>
