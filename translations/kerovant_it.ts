<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Kerovant</name>
    <message>
        <source>&amp;About Quintelle Configuration Utility...</source>
        <translation>&amp;Informazioni sull&apos;utilità di configurazione Quintelle...</translation>
    </message>
    <message>
        <source>Save Link Trace...</source>
        <translation>Salva registro della comunicazione...</translation>
    </message>
    <message>
        <source>Save Link Trace</source>
        <translation>Salva registro della comunicazione</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>File dialog filter: keep the patterns in parentheses and the &quot;;;&quot;.</extracomment>
        <translation>File di testo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The link trace could not be saved to %1: %2</source>
        <translation>Impossibile salvare il registro della comunicazione in %1: %2</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Ora locale</translation>
    </message>
    <message>
        <source>UTC Time</source>
        <translation>Ora UTC</translation>
    </message>
    <message>
        <source>Time Code Status</source>
        <translation>Stato del codice temporale</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Daylight Savings Time</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Time Code Settings</source>
        <translation>Impostazioni codice temporale</translation>
    </message>
    <message>
        <source>Set DateTime</source>
        <translation>Imposta data e ora</translation>
    </message>
    <message>
        <source>Clock Hand Position</source>
        <translation>Posizione delle lancette</translation>
    </message>
    <message>
        <source>Firmware Version:  %1</source>
        <extracomment>The clock&apos;s firmware version: %1 the version (&quot;1.3.0&quot;) or &quot;not available&quot;; two blanks after the colon.</extracomment>
        <translation>Versione firmware:  %1</translation>
    </message>
    <message>
        <source>Serial Number:  %1</source>
        <extracomment>The clock&apos;s serial number: %1 the number or &quot;not available&quot;; two blanks after the colon.</extracomment>
        <translation>Numero di serie:  %1</translation>
    </message>
    <message>
        <source>Clock vs this computer</source>
        <translation>Orologio rispetto a questo computer</translation>
    </message>
    <message>
        <source>More than half a second off</source>
        <translation>Differenza di oltre mezzo secondo</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Illuminazione</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button of every dialog; keep it short.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>No communication with clock.</source>
        <translation>Nessuna comunicazione con l&apos;orologio.</translation>
    </message>
    <message>
        <source>Communication error setting clock configuration</source>
        <translation>Errore di comunicazione durante l&apos;impostazione della configurazione dell&apos;orologio</translation>
    </message>
    <message>
        <source>Communication error setting clock time</source>
        <translation>Errore di comunicazione durante l&apos;impostazione dell&apos;ora dell&apos;orologio</translation>
    </message>
    <message>
        <source>Communication error setting dial illumination</source>
        <translation>Errore di comunicazione durante l&apos;impostazione dell&apos;illuminazione del quadrante</translation>
    </message>
    <message>
        <source>Communication error setting time code date use</source>
        <translation>Errore di comunicazione durante l&apos;impostazione dell&apos;uso della data del codice temporale</translation>
    </message>
    <message>
        <source>Communication error setting clock face time</source>
        <translation>Errore di comunicazione durante l&apos;impostazione dell&apos;ora del quadrante</translation>
    </message>
    <message>
        <source>The clock refused it.</source>
        <translation>L&apos;orologio ha rifiutato la modifica.</translation>
    </message>
    <message>
        <source>The clock did not answer.</source>
        <translation>L&apos;orologio non ha risposto.</translation>
    </message>
    <message>
        <source>The connection to the clock was lost.</source>
        <translation>La connessione con l&apos;orologio si è interrotta.</translation>
    </message>
    <message>
        <source>A later change took its place before it was sent.</source>
        <translation>Una modifica successiva l&apos;ha sostituita prima che venisse inviata.</translation>
    </message>
    <message>
        <source>The clock holds other values than were sent.</source>
        <translation>L&apos;orologio contiene valori diversi da quelli inviati.</translation>
    </message>
    <message>
        <source>Another clock was connected while the dialog was open. Nothing was sent to it.</source>
        <translation>Mentre la finestra di dialogo era aperta è stato collegato un altro orologio. Non gli è stato inviato nulla.</translation>
    </message>
    <message>
        <source>About Orvessa Configuration Utility</source>
        <translation>Informazioni sull&apos;utilità di configurazione Orvessa</translation>
    </message>
    <message>
        <source>This is a desktop application that configures an Orvessa via a USB cable.</source>
        <translation>Questa applicazione desktop configura un orologio Orvessa tramite un cavo USB.</translation>
    </message>
    <message>
        <source>Version 1.4.0  07/28/2011</source>
        <translation>Versione 1.4.0  28/07/2011</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button of every settings dialog; keep it short.</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Time Zone Configuration</source>
        <translation>Configurazione del fuso orario</translation>
    </message>
    <message>
        <source>Select a time zone description from the list box or configure a custom bias with the edit controls.  The edit controls represent the current configuration of the device.  Note: daylight savings time is not configured here.</source>
        <translation>Seleziona un fuso orario dall&apos;elenco o imposta uno scarto personalizzato nei campi.  I campi mostrano la configurazione attuale del dispositivo.  Nota: l&apos;ora legale non si configura qui.</translation>
    </message>
    <message>
        <source>Bias</source>
        <translation>Scarto</translation>
    </message>
    <message>
        <source>Bias is negative?</source>
        <translation>Scarto negativo</translation>
    </message>
    <message>
        <source>Filter time zones</source>
        <translation>Filtra i fusi orari</translation>
    </message>
    <message>
        <source>Filter by name or offset, such as berlin or +05:30</source>
        <translation>Filtra per nome o scarto, ad es. berlin o +05:30</translation>
    </message>
    <message>
        <source>the catalogue&apos;s display names in catalogue order</source>
        <translation>i nomi visualizzati del catalogo nell&apos;ordine del catalogo</translation>
    </message>
    <message>
        <source>bias hours</source>
        <translation>ore dello scarto</translation>
    </message>
    <message>
        <source>bias minutes</source>
        <translation>minuti dello scarto</translation>
    </message>
    <message>
        <source>bias seconds</source>
        <translation>secondi dello scarto</translation>
    </message>
    <message>
        <source>spin of the three bias fields</source>
        <translation>pulsanti di regolazione dei tre campi dello scarto</translation>
    </message>
    <message>
        <source>bias</source>
        <translation>scarto</translation>
    </message>
    <message>
        <source>%1 up</source>
        <extracomment>%1 is what the arrows step, such as &quot;time and date&quot;.</extracomment>
        <translation>%1: aumenta</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1: diminuisci</translation>
    </message>
    <message>
        <source>Set Date Time</source>
        <translation>Imposta data e ora</translation>
    </message>
    <message>
        <source>UTC Time from PC clock</source>
        <translation>Ora UTC dall&apos;orologio del PC</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Radio button left of the date fields; keep it short.</extracomment>
        <translation>A mano</translation>
    </message>
    <message>
        <source>Set Now</source>
        <translation>Imposta ora</translation>
    </message>
    <message>
        <source>Note: the time/date you are providing shall be treated as UTC-referenced.</source>
        <translation>Nota: la data e l&apos;ora inserite saranno considerate riferite all&apos;UTC.</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Caption over the time fields, 16 dialog units wide; one short word.</extracomment>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Caption over the date fields, 16 dialog units wide; one short word.</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>ora</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuto</translation>
    </message>
    <message>
        <source>second</source>
        <translation>secondo</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mese</translation>
    </message>
    <message>
        <source>day of month</source>
        <translation>giorno del mese</translation>
    </message>
    <message>
        <source>year</source>
        <translation>anno</translation>
    </message>
    <message>
        <source>spin of the six fields</source>
        <translation>pulsanti di regolazione dei sei campi</translation>
    </message>
    <message>
        <source>time and date</source>
        <translation>ora e data</translation>
    </message>
    <message>
        <source>Enter The Current Time Shown On The Face Of The Clock</source>
        <translation>Inserisci l&apos;ora attualmente indicata sul quadrante dell&apos;orologio</translation>
    </message>
    <message>
        <source>Note: The hands on the clock will be stopped while this dialog box is displayed. The hands will resume motion when this dialog box is closed.</source>
        <translation>Nota: le lancette dell&apos;orologio restano ferme finché questa finestra di dialogo è aperta. Riprenderanno a muoversi alla sua chiusura.</translation>
    </message>
    <message>
        <source>Enter the current time shown on the face of the clock</source>
        <translation>Inserisci l&apos;ora indicata sul quadrante dell&apos;orologio</translation>
    </message>
    <message>
        <source>Align Seconds hand</source>
        <translation>Allinea la lancetta dei secondi</translation>
    </message>
    <message>
        <source>Each cllick of the button will move the Seconds hand 1/5th of a second</source>
        <translation>Ogni clic sul pulsante sposta la lancetta dei secondi di 1/5 di secondo</translation>
    </message>
    <message>
        <source>Hand Motion</source>
        <translation>Movimento delle lancette</translation>
    </message>
    <message>
        <source>Forward</source>
        <extracomment>A small button; keep it short.</extracomment>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Sweep</source>
        <extracomment>A hand motion; keep it short.</extracomment>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>A hand motion; keep it short.</extracomment>
        <translation>A scatti</translation>
    </message>
    <message>
        <source>Check to set clock</source>
        <extracomment>Check box in a narrow place; keep it short.</extracomment>
        <translation>Regola orologio</translation>
    </message>
    <message>
        <source>face time hours</source>
        <translation>ore del quadrante</translation>
    </message>
    <message>
        <source>face time minutes</source>
        <translation>minuti del quadrante</translation>
    </message>
    <message>
        <source>face time seconds</source>
        <translation>secondi del quadrante</translation>
    </message>
    <message>
        <source>spin of the three face time fields</source>
        <translation>pulsanti di regolazione dei tre campi del quadrante</translation>
    </message>
    <message>
        <source>face time</source>
        <translation>ora del quadrante</translation>
    </message>
    <message>
        <source>The set time is 0:0:0 are you sure you want to continue?</source>
        <translation>L&apos;ora impostata è 0:0:0. Continuare comunque?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>The clock&apos;s hands are stopped. Start them again?</source>
        <translation>Le lancette dell&apos;orologio sono ferme. Farle ripartire?</translation>
    </message>
    <message>
        <source>The clock&apos;s configuration holds values out of range:
%1</source>
        <translation>La configurazione dell&apos;orologio contiene valori fuori intervallo:
%1</translation>
    </message>
    <message>
        <source>Correct them now? Hand motion out of range becomes sweep, a date flag above 1 becomes 1, and daylight-saving rules out of range go back to the defaults (no daylight saving shift).</source>
        <translation>Correggerli ora? Un movimento delle lancette fuori intervallo diventa continuo, un indicatore di data maggiore di 1 diventa 1 e le regole dell&apos;ora legale fuori intervallo tornano ai valori predefiniti (nessuno scarto dell&apos;ora legale).</translation>
    </message>
    <message>
        <source>A time zone bias or daylight saving shift beyond 24 hours is not corrected here: set them with Time Zone and Daylight Savings Time.</source>
        <translation>Uno scarto del fuso orario o dell&apos;ora legale oltre le 24 ore non viene corretto qui: impostali con «Fuso orario» e «Ora legale».</translation>
    </message>
    <message>
        <source>The clock&apos;s configuration was corrected.</source>
        <translation>La configurazione dell&apos;orologio è stata corretta.</translation>
    </message>
    <message>
        <source>See users manual for supported date encoding formats.</source>
        <translation>Per i formati di data supportati, consulta il manuale utente.</translation>
    </message>
    <message>
        <source>Use date information encoded in time code</source>
        <translation>Usa la data contenuta nel codice temporale</translation>
    </message>
    <message>
        <source>Do not use date information encoded in time code</source>
        <translation>Non usare la data contenuta nel codice temporale</translation>
    </message>
    <message>
        <source>Daylight Bias</source>
        <translation>Scarto ora legale</translation>
    </message>
    <message>
        <source>Disable daylight time</source>
        <translation>Disattiva ora legale</translation>
    </message>
    <message>
        <source>Time reference for daylight savings time shift</source>
        <translation>Riferimento orario per il cambio dell&apos;ora legale</translation>
    </message>
    <message>
        <source>Use UTC instead of local time</source>
        <translation>Usa UTC invece dell&apos;ora locale</translation>
    </message>
    <message>
        <source>Daylight savings time start</source>
        <translation>Inizio dell&apos;ora legale</translation>
    </message>
    <message>
        <source>Daylight savings time end</source>
        <translation>Fine dell&apos;ora legale</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>Which week of the month a change falls in; radio buttons in a narrow column.</extracomment>
        <translation>Prima</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconda</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Terza</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Quarta</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultima</translation>
    </message>
    <message>
        <source>Absolute</source>
        <extracomment>A change on a fixed date rather than a week of the month; radio button in a narrow column.</extracomment>
        <translation>Data fissa</translation>
    </message>
    <message>
        <source>Day of week:</source>
        <extracomment>Caption left of a list, 48 dialog units wide; keep it short.</extracomment>
        <translation>Giorno sett.:</translation>
    </message>
    <message>
        <source>Month:</source>
        <extracomment>Caption left of a list, 48 dialog units wide; keep it short.</extracomment>
        <translation>Mese:</translation>
    </message>
    <message>
        <source>Day of month:</source>
        <extracomment>Caption left of a field, 48 dialog units wide; keep it short.</extracomment>
        <translation>Giorno mese:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Caption left of the time fields, 48 dialog units wide; keep it short.</extracomment>
        <translation>Ora:</translation>
    </message>
    <message>
        <source>US/Canada Standard</source>
        <translation>Standard USA/Canada</translation>
    </message>
    <message>
        <source>&amp;EU standard</source>
        <translation>Standard &amp;UE</translation>
    </message>
    <message>
        <source>&amp;US/Canada Standard pre 2007</source>
        <translation>Standard &amp;USA/Canada prima del 2007</translation>
    </message>
    <message>
        <source>spin of the bias fields</source>
        <translation>pulsanti di regolazione dei campi dello scarto</translation>
    </message>
    <message>
        <source>frame of the bias time fields</source>
        <translation>riquadro dei campi dello scarto</translation>
    </message>
    <message>
        <source>start hour</source>
        <translation>inizio: ore</translation>
    </message>
    <message>
        <source>start minute</source>
        <translation>inizio: minuti</translation>
    </message>
    <message>
        <source>start second</source>
        <translation>inizio: secondi</translation>
    </message>
    <message>
        <source>spin of the start time fields</source>
        <translation>pulsanti di regolazione dell&apos;ora di inizio</translation>
    </message>
    <message>
        <source>frame of the start time fields</source>
        <translation>riquadro dell&apos;ora di inizio</translation>
    </message>
    <message>
        <source>start day of week</source>
        <translation>inizio: giorno della settimana</translation>
    </message>
    <message>
        <source>start month</source>
        <translation>inizio: mese</translation>
    </message>
    <message>
        <source>start day of month</source>
        <translation>inizio: giorno del mese</translation>
    </message>
    <message>
        <source>end hour</source>
        <translation>fine: ore</translation>
    </message>
    <message>
        <source>end minute</source>
        <translation>fine: minuti</translation>
    </message>
    <message>
        <source>end second</source>
        <translation>fine: secondi</translation>
    </message>
    <message>
        <source>spin of the end time fields</source>
        <translation>pulsanti di regolazione dell&apos;ora di fine</translation>
    </message>
    <message>
        <source>frame of the end time fields</source>
        <translation>riquadro dell&apos;ora di fine</translation>
    </message>
    <message>
        <source>end day of week</source>
        <translation>fine: giorno della settimana</translation>
    </message>
    <message>
        <source>end month</source>
        <translation>fine: mese</translation>
    </message>
    <message>
        <source>end day of month</source>
        <translation>fine: giorno del mese</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader reads for a box of the main window: %1 the box&apos;s caption (&quot;Local Time&quot;), %2 the text it shows.
----------
A refusal of the daylight-saving rules: %1 the rule group&apos;s title (&quot;Daylight savings time start&quot;), %2 what to correct (&quot;choose a month.&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>start time</source>
        <translation>ora di inizio</translation>
    </message>
    <message>
        <source>end time</source>
        <translation>ora di fine</translation>
    </message>
    <message>
        <source>next changes</source>
        <translation>prossimi cambi d&apos;ora</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The day of a change on the year strip: %1 the day of the month, %2 the month&apos;s short name (&quot;28 Mar&quot;); keep it short.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>daylight saving over the coming year</source>
        <translation>ora legale nel prossimo anno</translation>
    </message>
    <message>
        <source>Daylight Savings Time from a Time Zone</source>
        <translation>Ora legale da un fuso orario</translation>
    </message>
    <message>
        <source>Choose the time zone whose daylight savings time rules the clock should follow.</source>
        <translation>Scegli il fuso orario di cui l&apos;orologio deve seguire le regole dell&apos;ora legale.</translation>
    </message>
    <message>
        <source>time zones</source>
        <translation>fusi orari</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>First USB bridge found</source>
        <translation>Primo bridge USB trovato</translation>
    </message>
    <message>
        <source>No USB bridge found</source>
        <translation>Nessun bridge USB trovato</translation>
    </message>
    <message>
        <source> (not found)</source>
        <extracomment>After the name of a chosen device that is not attached now; starts with a space.</extracomment>
        <translation> (non trovato)</translation>
    </message>
    <message>
        <source>This clock has no illumination: its firmware (%1) speaks protocol version 1.</source>
        <translation>Questo orologio non ha illuminazione: il suo firmware (%1) usa la versione 1 del protocollo.</translation>
    </message>
    <message>
        <source>Month: enter a month from 1 to 12.</source>
        <translation>Mese: inserisci un mese da 1 a 12.</translation>
    </message>
    <message>
        <source>Year: enter a year from %1 to %2.</source>
        <extracomment>%1 and %2: the first and last year the clock counts right.</extracomment>
        <translation>Anno: inserisci un anno da %1 a %2.</translation>
    </message>
    <message>
        <source>Day: %1 %2 has %3 days; enter 1 to %3.</source>
        <extracomment>%1 the month&apos;s name (&quot;April&quot;), %2 the year, %3 its number of days.</extracomment>
        <translation>Giorno: %1 %2 ha %3 giorni; inserisci un valore da 1 a %3.</translation>
    </message>
    <message>
        <source>choose a week (First to Last) or Absolute.</source>
        <translation>scegli una settimana (da Prima a Ultima) o Data fissa.</translation>
    </message>
    <message>
        <source>choose Absolute in both groups or a week in both.</source>
        <translation>scegli Data fissa in entrambi i gruppi o una settimana in entrambi.</translation>
    </message>
    <message>
        <source>choose a day of the week.</source>
        <translation>scegli un giorno della settimana.</translation>
    </message>
    <message>
        <source>choose a month.</source>
        <translation>scegli un mese.</translation>
    </message>
    <message>
        <source>type a day of the month from 1 to 31.</source>
        <translation>digita un giorno del mese da 1 a 31.</translation>
    </message>
    <message>
        <source>%1 has %2 days.</source>
        <translation>%1 ha %2 giorni.</translation>
    </message>
    <message>
        <source>type an hour from 0 to 24.</source>
        <translation>digita un&apos;ora da 0 a 24.</translation>
    </message>
    <message>
        <source>type a minute from 0 to 60.</source>
        <translation>digita un minuto da 0 a 60.</translation>
    </message>
    <message>
        <source>type a second from 0 to 60.</source>
        <translation>digita un secondo da 0 a 60.</translation>
    </message>
    <message>
        <source>Daylight Savings Time Configuration</source>
        <translation>Configurazione dell&apos;ora legale</translation>
    </message>
    <message>
        <source>Daylight savings time shift reference</source>
        <translation>Riferimento del cambio dell&apos;ora legale</translation>
    </message>
    <message>
        <source>Current &amp;System Setting</source>
        <translation>Impostazione del &amp;sistema</translation>
    </message>
    <message>
        <source>From Zone...</source>
        <translation>Da fuso orario...</translation>
    </message>
    <message>
        <source>%1 UTC (%2)</source>
        <translation>%1 UTC (%2)</translation>
    </message>
    <message>
        <source>%1 local (%2)</source>
        <translation>%1 ora locale (%2)</translation>
    </message>
    <message>
        <source>there daylight time starts on %1</source>
        <translation>lì l&apos;ora legale inizia il %1</translation>
    </message>
    <message>
        <source>there daylight time ends on %1</source>
        <translation>lì l&apos;ora legale finisce il %1</translation>
    </message>
    <message>
        <source>with these rules daylight time starts on %1</source>
        <translation>con queste regole l&apos;ora legale inizia il %1</translation>
    </message>
    <message>
        <source>with these rules daylight time ends on %1</source>
        <translation>con queste regole l&apos;ora legale finisce il %1</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is not in this computer&apos;s time zone data.</source>
        <translation>Il fuso orario «%1» non è presente nei dati dei fusi orari di questo computer.</translation>
    </message>
    <message>
        <source>%1 has no daylight saving time; &quot;Disable daylight time&quot; turns it off on the clock.</source>
        <translation>%1 non ha l&apos;ora legale; «Disattiva ora legale» la disattiva sull&apos;orologio.</translation>
    </message>
    <message>
        <source>Daylight time off</source>
        <translation>Ora legale disattivata</translation>
    </message>
    <message>
        <source>No change: daylight time starts and ends at the same moment.</source>
        <translation>Nessun cambio: l&apos;ora legale inizia e finisce nello stesso istante.</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Prossimi: %1, %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Prossimo: %1</translation>
    </message>
    <message>
        <source>Agrees with %1, which has no daylight saving time.</source>
        <translation>Coincide con %1, che non ha l&apos;ora legale.</translation>
    </message>
    <message>
        <source>Agrees with %1 in the time zone data over the next ten years.</source>
        <translation>Coincide con %1 dei dati dei fusi orari nei prossimi dieci anni.</translation>
    </message>
    <message>
        <source>there nothing changes</source>
        <translation>lì non cambia nulla</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>with these rules nothing changes</source>
        <translation>con queste regole non cambia nulla</translation>
    </message>
    <message>
        <source>from %1 UTC the zone&apos;s time is %2, the clock&apos;s %3</source>
        <translation>dal %1 UTC l&apos;ora del fuso è %2, quella dell&apos;orologio %3</translation>
    </message>
    <message>
        <source>the clock&apos;s time zone bias is %1, the zone&apos;s standard time %2</source>
        <translation>lo scarto del fuso orario dell&apos;orologio è %1, l&apos;ora solare del fuso %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Differs from %1 in the time zone data: %2.</source>
        <translation>Differisce da %1 dei dati dei fusi orari: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <extracomment>A day of a month, &quot;21 March&quot;, inside a longer phrase (&quot;the Sunday on or after 21 March&quot;): %1 the month&apos;s name, %2 the day, no article. The form for one lets the language write the first of the month (&quot;1er mars&quot;, &quot;1. März&quot;).</extracomment>
        <translation>
            <numerusform>%2º %1</numerusform>
            <numerusform>%2 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 UTC</source>
        <extracomment>The day and time of a change (&quot;the last Sunday of March at 01:00 UTC&quot;): %1 the day with its preposition, %2 the time. The form for one is for the hour 1 (Spanish &quot;a la 01:00&quot;, &quot;a las 02:00&quot;).</extracomment>
        <translation>
            <numerusform>%1 alle ore %2 UTC</numerusform>
            <numerusform>%1 alle ore %2 UTC</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 local time</source>
        <translation>
            <numerusform>%1 alle ore %2, ora locale</numerusform>
            <numerusform>%1 alle ore %2, ora locale</numerusform>
        </translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sabato</translation>
    </message>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
    <message>
        <source>%1, %2, %3 and later years</source>
        <translation>%1, %2, %3 e anni successivi</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 e %3</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>%1 local time</source>
        <translation>%1 ora locale</translation>
    </message>
    <message>
        <source>The clock cannot follow the start exactly: %1 starts daylight time on %2, and %3 differs in %4 (%5 there, %6 on the clock).</source>
        <extracomment>%1 the zone, %2 the day it changes on with its preposition (&quot;on the Sunday on or after 8 March&quot;), %3 the clock&apos;s day as the subject (&quot;the last Sunday of March&quot;), %4 the years (&quot;2027 and 2028&quot;), %5 and %6 a day and time there and on the clock.</extracomment>
        <translation>L&apos;orologio non può seguire esattamente l&apos;inizio: nel fuso %1 l&apos;ora legale inizia %2, ma %3 non coincide (anni: %4; lì %5, sull&apos;orologio %6).</translation>
    </message>
    <message>
        <source>The clock cannot follow the end exactly: %1 ends daylight time on %2, and %3 differs in %4 (%5 there, %6 on the clock).</source>
        <translation>L&apos;orologio non può seguire esattamente la fine: nel fuso %1 l&apos;ora legale finisce %2, ma %3 non coincide (anni: %4; lì %5, sull&apos;orologio %6).</translation>
    </message>
    <message>
        <source>The clock cannot follow the start exactly: %1 differs from %2 in %3 (%4 there, %5 on the clock).</source>
        <extracomment>%1 the clock&apos;s day as the subject (&quot;the last Sunday of March&quot;), %2 the zone, %3 the years (&quot;2027 and 2028&quot;), %4 and %5 a day and time there and on the clock.</extracomment>
        <translation>L&apos;orologio non può seguire esattamente l&apos;inizio: %1 differisce dal fuso %2 (anni: %3; lì %4, sull&apos;orologio %5).</translation>
    </message>
    <message>
        <source>The clock cannot follow the end exactly: %1 differs from %2 in %3 (%4 there, %5 on the clock).</source>
        <translation>L&apos;orologio non può seguire esattamente la fine: %1 differisce dal fuso %2 (anni: %3; lì %4, sull&apos;orologio %5).</translation>
    </message>
    <message>
        <source>%1 has no daylight saving time: &quot;Disable daylight time&quot; is ticked, so the clock keeps standard time all year.</source>
        <translation>%1 non ha l&apos;ora legale: «Disattiva ora legale» è selezionato, quindi l&apos;orologio mantiene l&apos;ora solare tutto l&apos;anno.</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is not in this computer&apos;s time zone data; nothing was imported.</source>
        <translation>Il fuso orario «%1» non è presente nei dati dei fusi orari di questo computer; non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Imported the rules of %1: daylight time starts on %2 and ends on %3.</source>
        <extracomment>%1 the zone, %2 and %3 the days and times of the changes with their prepositions (&quot;on the last Sunday of March at 01:00 UTC&quot;): write no preposition before them.</extracomment>
        <translation>Importate le regole di %1: l&apos;ora legale inizia %2 e finisce %3.</translation>
    </message>
    <message>
        <source>Daylight time moves the clock %1 back.</source>
        <translation>L&apos;ora legale sposta l&apos;orologio indietro di %1.</translation>
    </message>
    <message>
        <source>Daylight time moves the clock %1 forward.</source>
        <translation>L&apos;ora legale sposta l&apos;orologio avanti di %1.</translation>
    </message>
    <message>
        <source>Local times are those the clock shows just before each change.</source>
        <translation>Le ore locali sono quelle indicate dall&apos;orologio subito prima di ogni cambio.</translation>
    </message>
    <message>
        <source>The time zone data does not confirm whether the changes follow UTC or local time; local time is used.</source>
        <translation>I dati dei fusi orari non confermano se i cambi seguono l&apos;UTC o l&apos;ora locale; viene usata l&apos;ora locale.</translation>
    </message>
    <message>
        <source>The zone&apos;s shift varies over the years; the clock keeps %1.</source>
        <translation>Lo scarto dell&apos;ora legale del fuso varia negli anni; l&apos;orologio mantiene %1.</translation>
    </message>
    <message>
        <source>The zone also changes its standard time on %1 UTC; the clock&apos;s time zone bias does not follow.</source>
        <translation>Il fuso cambia anche la sua ora solare il %1 UTC; lo scarto del fuso orario dell&apos;orologio non si adegua.</translation>
    </message>
    <message>
        <source>This computer names no time zone; nothing was imported.</source>
        <translation>Questo computer non indica alcun fuso orario; non è stato importato nulla.</translation>
    </message>
    <message>
        <source>about %1 s</source>
        <translation>circa %1 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>measuring</source>
        <translation>misurazione in corso</translation>
    </message>
    <message>
        <source>Clock vs this computer: %1</source>
        <translation>Orologio rispetto a questo computer: %1</translation>
    </message>
    <message>
        <source>No time code</source>
        <translation>Nessun codice temporale</translation>
    </message>
    <message>
        <source>IRIG-B : pulse width modulated</source>
        <translation>IRIG-B : modulato in larghezza di impulso</translation>
    </message>
    <message>
        <source>IRIG-B(1) : amplitude modulated</source>
        <translation>IRIG-B(1) : modulato in ampiezza</translation>
    </message>
    <message>
        <source>Unknown time code</source>
        <translation>Codice temporale sconosciuto</translation>
    </message>
    <message>
        <source>The clock on %1 sends damaged replies (bad checksum).</source>
        <translation>L&apos;orologio su %1 invia risposte danneggiate (checksum errato).</translation>
    </message>
    <message>
        <source>The clock on %1 sends damaged replies (bad checksum): %2</source>
        <translation>L&apos;orologio su %1 invia risposte danneggiate (checksum errato): %2</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies of the wrong length.</source>
        <translation>L&apos;orologio su %1 invia risposte di lunghezza errata.</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies of the wrong length: %2</source>
        <translation>L&apos;orologio su %1 invia risposte di lunghezza errata: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers with the reply to another command.</source>
        <translation>L&apos;orologio su %1 risponde con la risposta a un altro comando.</translation>
    </message>
    <message>
        <source>The clock on %1 answers with the reply to another command: %2</source>
        <translation>L&apos;orologio su %1 risponde con la risposta a un altro comando: %2</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies that cannot be read.</source>
        <translation>L&apos;orologio su %1 invia risposte illeggibili.</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies that cannot be read: %2</source>
        <translation>L&apos;orologio su %1 invia risposte illeggibili: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers ACK where a reply belongs.</source>
        <translation>L&apos;orologio su %1 risponde ACK dove è prevista una risposta.</translation>
    </message>
    <message>
        <source>The clock on %1 answers ACK where a reply belongs: %2</source>
        <translation>L&apos;orologio su %1 risponde ACK dove è prevista una risposta: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers NAK: it did not take the command.</source>
        <translation>L&apos;orologio su %1 risponde NAK: non ha accettato il comando.</translation>
    </message>
    <message>
        <source>The clock on %1 answers NAK: it did not take the command: %2</source>
        <translation>L&apos;orologio su %1 risponde NAK: non ha accettato il comando: %2</translation>
    </message>
    <message>
        <source>The clock does not answer: %1</source>
        <translation>L&apos;orologio non risponde: %1</translation>
    </message>
    <message>
        <source>The clock on %1 stopped answering.</source>
        <translation>L&apos;orologio su %1 ha smesso di rispondere.</translation>
    </message>
    <message>
        <source>No clock answers on %1: check that the clock is powered and connected.</source>
        <translation>Nessun orologio risponde su %1: verifica che l&apos;orologio sia alimentato e collegato.</translation>
    </message>
    <message>
        <source>Looking for the clock on %1 ...</source>
        <translation>Ricerca dell&apos;orologio su %1...</translation>
    </message>
    <message>
        <source>Clock is offline</source>
        <translation>Orologio non in linea</translation>
    </message>
    <message>
        <source>Failed reading Family ID</source>
        <translation>Lettura dell&apos;ID famiglia non riuscita</translation>
    </message>
    <message>
        <source>Failed reading CPU type</source>
        <translation>Lettura del tipo di CPU non riuscita</translation>
    </message>
    <message>
        <source>Failed reading firmware version</source>
        <translation>Lettura della versione del firmware non riuscita</translation>
    </message>
    <message>
        <source>Failed reading Serial Number</source>
        <translation>Lettura del numero di serie non riuscita</translation>
    </message>
    <message>
        <source>Failed reading current time</source>
        <translation>Lettura dell&apos;ora corrente non riuscita</translation>
    </message>
    <message>
        <source>Failed reading clock configuration</source>
        <translation>Lettura della configurazione dell&apos;orologio non riuscita</translation>
    </message>
    <message>
        <source>Failed reading display hardware configuration</source>
        <translation>Lettura della configurazione hardware del display non riuscita</translation>
    </message>
    <message>
        <source>Failed reading display configuration</source>
        <translation>Lettura della configurazione del display non riuscita</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Errore di comunicazione</translation>
    </message>
    <message>
        <source>Kerovant&apos;s udev rule (%1) gives the user at the desktop access to the clock: install it (the kerovant package does), then plug the clock in again.</source>
        <translation>La regola udev di Kerovant (%1) dà all&apos;utente del desktop l&apos;accesso all&apos;orologio: installala (lo fa il pacchetto kerovant), poi ricollega l&apos;orologio.</translation>
    </message>
    <message>
        <source>Permission denied on %1. %2</source>
        <translation>Permesso negato su %1. %2</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group &apos;%2&apos; (for example: sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>Permesso negato su %1: entra nel gruppo «%2» (per esempio: sudo usermod -aG %2 $USER), poi esci dalla sessione e accedi di nuovo.</translation>
    </message>
    <message>
        <source>only the administrator may read and write it</source>
        <translation>solo l&apos;amministratore può leggerlo e scriverlo</translation>
    </message>
    <message>
        <source>only root may read and write it</source>
        <translation>solo root può leggerlo e scriverlo</translation>
    </message>
    <message>
        <source>only its owner, the user &apos;%1&apos;, may read and write it</source>
        <translation>solo il suo proprietario, l&apos;utente «%1», può leggerlo e scriverlo</translation>
    </message>
    <message>
        <source>only its owner, user ID %1, may read and write it</source>
        <translation>solo il suo proprietario, l&apos;utente con ID %1, può leggerlo e scriverlo</translation>
    </message>
    <message>
        <source>Permission denied on %1: %2. %3</source>
        <translation>Permesso negato su %1: %2. %3</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close that program and try again.</source>
        <translation>%1 è in uso da parte di un altro programma: chiudi quel programma e riprova.</translation>
    </message>
    <message>
        <source>a program (process %1)</source>
        <translation>un programma (processo %1)</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (processo %2)</translation>
    </message>
    <message>
        <source>%1 is in use by %2. Kerovant&apos;s udev rule (%3) tells ModemManager to leave the clock alone: install it (the kerovant package does), then plug the clock in again.</source>
        <translation>%1 è in uso da parte di %2. La regola udev di Kerovant (%3) indica a ModemManager di lasciare stare l&apos;orologio: installala (lo fa il pacchetto kerovant), poi ricollega l&apos;orologio.</translation>
    </message>
    <message>
        <source>%1 is in use by %2: close that program and try again.</source>
        <translation>%1 è in uso da parte di %2: chiudi quel programma e riprova.</translation>
    </message>
    <message>
        <source>The USB port has not been opened yet.</source>
        <translation>La porta USB non è ancora stata aperta.</translation>
    </message>
    <message>
        <source>Connected through %1.</source>
        <translation>Connesso tramite %1.</translation>
    </message>
    <message>
        <source>No USB bridge found: check that the clock&apos;s USB cable is plugged in.</source>
        <translation>Nessun bridge USB trovato: verifica che il cavo USB dell&apos;orologio sia collegato.</translation>
    </message>
    <message>
        <source>Device %1 does not exist: check the cable and the device name.</source>
        <translation>Il dispositivo %1 non esiste: verifica il cavo e il nome del dispositivo.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 non è un dispositivo seriale.</translation>
    </message>
    <message>
        <source>%1 was unplugged.</source>
        <translation>%1 è stato scollegato.</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>Impossibile aprire %1.</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4 %5</source>
        <extracomment>A day and time, &quot;Sun 28 Mar 2027 01:00&quot;: %1 the weekday&apos;s short name, %2 the day of the month, %3 the month&apos;s short name, %4 the year, %5 the time. Order and punctuation as the language writes a date.</extracomment>
        <translation>%1 %2 %3 %4 %5</translation>
    </message>
    <message>
        <source>The clock acknowledged it, but the connection was lost before it could be confirmed. It is checked when the clock is back; you are told only if the clock holds other values.</source>
        <translation>L&apos;orologio lo ha accettato, ma la connessione si è interrotta prima che potesse essere confermato. Verrà verificato al ritorno dell&apos;orologio; sarà avvisato solo se l&apos;orologio contiene valori diversi.</translation>
    </message>
    <message>
        <source>The clock is not connected. Setting goes on once the same clock is back.</source>
        <translation>L&apos;orologio non è collegato. L&apos;impostazione riprende quando torna lo stesso orologio.</translation>
    </message>
    <message>
        <source>the first Sunday %1</source>
        <comment>subject</comment>
        <extracomment>A week&apos;s weekday of a month standing as the subject of a sentence (&quot;the last Sunday of March differs in 2027&quot;), %1 the month with its &quot;of&quot; (&quot;of March&quot;). The ordinal agrees with the weekday: one message for each week and weekday.</extracomment>
        <translation>la prima domenica %1</translation>
    </message>
    <message>
        <source>the first Monday %1</source>
        <comment>subject</comment>
        <translation>il primo lunedì %1</translation>
    </message>
    <message>
        <source>the first Tuesday %1</source>
        <comment>subject</comment>
        <translation>il primo martedì %1</translation>
    </message>
    <message>
        <source>the first Wednesday %1</source>
        <comment>subject</comment>
        <translation>il primo mercoledì %1</translation>
    </message>
    <message>
        <source>the first Thursday %1</source>
        <comment>subject</comment>
        <translation>il primo giovedì %1</translation>
    </message>
    <message>
        <source>the first Friday %1</source>
        <comment>subject</comment>
        <translation>il primo venerdì %1</translation>
    </message>
    <message>
        <source>the first Saturday %1</source>
        <comment>subject</comment>
        <translation>il primo sabato %1</translation>
    </message>
    <message>
        <source>the second Sunday %1</source>
        <comment>subject</comment>
        <translation>la seconda domenica %1</translation>
    </message>
    <message>
        <source>the second Monday %1</source>
        <comment>subject</comment>
        <translation>il secondo lunedì %1</translation>
    </message>
    <message>
        <source>the second Tuesday %1</source>
        <comment>subject</comment>
        <translation>il secondo martedì %1</translation>
    </message>
    <message>
        <source>the second Wednesday %1</source>
        <comment>subject</comment>
        <translation>il secondo mercoledì %1</translation>
    </message>
    <message>
        <source>the second Thursday %1</source>
        <comment>subject</comment>
        <translation>il secondo giovedì %1</translation>
    </message>
    <message>
        <source>the second Friday %1</source>
        <comment>subject</comment>
        <translation>il secondo venerdì %1</translation>
    </message>
    <message>
        <source>the second Saturday %1</source>
        <comment>subject</comment>
        <translation>il secondo sabato %1</translation>
    </message>
    <message>
        <source>the third Sunday %1</source>
        <comment>subject</comment>
        <translation>la terza domenica %1</translation>
    </message>
    <message>
        <source>the third Monday %1</source>
        <comment>subject</comment>
        <translation>il terzo lunedì %1</translation>
    </message>
    <message>
        <source>the third Tuesday %1</source>
        <comment>subject</comment>
        <translation>il terzo martedì %1</translation>
    </message>
    <message>
        <source>the third Wednesday %1</source>
        <comment>subject</comment>
        <translation>il terzo mercoledì %1</translation>
    </message>
    <message>
        <source>the third Thursday %1</source>
        <comment>subject</comment>
        <translation>il terzo giovedì %1</translation>
    </message>
    <message>
        <source>the third Friday %1</source>
        <comment>subject</comment>
        <translation>il terzo venerdì %1</translation>
    </message>
    <message>
        <source>the third Saturday %1</source>
        <comment>subject</comment>
        <translation>il terzo sabato %1</translation>
    </message>
    <message>
        <source>the fourth Sunday %1</source>
        <comment>subject</comment>
        <translation>la quarta domenica %1</translation>
    </message>
    <message>
        <source>the fourth Monday %1</source>
        <comment>subject</comment>
        <translation>il quarto lunedì %1</translation>
    </message>
    <message>
        <source>the fourth Tuesday %1</source>
        <comment>subject</comment>
        <translation>il quarto martedì %1</translation>
    </message>
    <message>
        <source>the fourth Wednesday %1</source>
        <comment>subject</comment>
        <translation>il quarto mercoledì %1</translation>
    </message>
    <message>
        <source>the fourth Thursday %1</source>
        <comment>subject</comment>
        <translation>il quarto giovedì %1</translation>
    </message>
    <message>
        <source>the fourth Friday %1</source>
        <comment>subject</comment>
        <translation>il quarto venerdì %1</translation>
    </message>
    <message>
        <source>the fourth Saturday %1</source>
        <comment>subject</comment>
        <translation>il quarto sabato %1</translation>
    </message>
    <message>
        <source>the last Sunday %1</source>
        <comment>subject</comment>
        <translation>l&apos;ultima domenica %1</translation>
    </message>
    <message>
        <source>the last Monday %1</source>
        <comment>subject</comment>
        <translation>l&apos;ultimo lunedì %1</translation>
    </message>
    <message>
        <source>the last Tuesday %1</source>
        <comment>subject</comment>
        <translation>l&apos;ultimo martedì %1</translation>
    </message>
    <message>
        <source>the last Wednesday %1</source>
        <comment>subject</comment>
        <translation>l&apos;ultimo mercoledì %1</translation>
    </message>
    <message>
        <source>the last Thursday %1</source>
        <comment>subject</comment>
        <translation>l&apos;ultimo giovedì %1</translation>
    </message>
    <message>
        <source>the last Friday %1</source>
        <comment>subject</comment>
        <translation>l&apos;ultimo venerdì %1</translation>
    </message>
    <message>
        <source>the last Saturday %1</source>
        <comment>subject</comment>
        <translation>l&apos;ultimo sabato %1</translation>
    </message>
    <message>
        <source>the first Sunday %1</source>
        <comment>on a day</comment>
        <extracomment>The day something happens on (&quot;daylight time starts on the last Sunday of March&quot;), %1 the month with its &quot;of&quot; (&quot;of March&quot;). Write the preposition and case the day takes here (&quot;am letzten Sonntag&quot;, &quot;no último domingo&quot;), or none; the sentence around it has none.</extracomment>
        <translation>la prima domenica %1</translation>
    </message>
    <message>
        <source>the first Monday %1</source>
        <comment>on a day</comment>
        <translation>il primo lunedì %1</translation>
    </message>
    <message>
        <source>the first Tuesday %1</source>
        <comment>on a day</comment>
        <translation>il primo martedì %1</translation>
    </message>
    <message>
        <source>the first Wednesday %1</source>
        <comment>on a day</comment>
        <translation>il primo mercoledì %1</translation>
    </message>
    <message>
        <source>the first Thursday %1</source>
        <comment>on a day</comment>
        <translation>il primo giovedì %1</translation>
    </message>
    <message>
        <source>the first Friday %1</source>
        <comment>on a day</comment>
        <translation>il primo venerdì %1</translation>
    </message>
    <message>
        <source>the first Saturday %1</source>
        <comment>on a day</comment>
        <translation>il primo sabato %1</translation>
    </message>
    <message>
        <source>the second Sunday %1</source>
        <comment>on a day</comment>
        <translation>la seconda domenica %1</translation>
    </message>
    <message>
        <source>the second Monday %1</source>
        <comment>on a day</comment>
        <translation>il secondo lunedì %1</translation>
    </message>
    <message>
        <source>the second Tuesday %1</source>
        <comment>on a day</comment>
        <translation>il secondo martedì %1</translation>
    </message>
    <message>
        <source>the second Wednesday %1</source>
        <comment>on a day</comment>
        <translation>il secondo mercoledì %1</translation>
    </message>
    <message>
        <source>the second Thursday %1</source>
        <comment>on a day</comment>
        <translation>il secondo giovedì %1</translation>
    </message>
    <message>
        <source>the second Friday %1</source>
        <comment>on a day</comment>
        <translation>il secondo venerdì %1</translation>
    </message>
    <message>
        <source>the second Saturday %1</source>
        <comment>on a day</comment>
        <translation>il secondo sabato %1</translation>
    </message>
    <message>
        <source>the third Sunday %1</source>
        <comment>on a day</comment>
        <translation>la terza domenica %1</translation>
    </message>
    <message>
        <source>the third Monday %1</source>
        <comment>on a day</comment>
        <translation>il terzo lunedì %1</translation>
    </message>
    <message>
        <source>the third Tuesday %1</source>
        <comment>on a day</comment>
        <translation>il terzo martedì %1</translation>
    </message>
    <message>
        <source>the third Wednesday %1</source>
        <comment>on a day</comment>
        <translation>il terzo mercoledì %1</translation>
    </message>
    <message>
        <source>the third Thursday %1</source>
        <comment>on a day</comment>
        <translation>il terzo giovedì %1</translation>
    </message>
    <message>
        <source>the third Friday %1</source>
        <comment>on a day</comment>
        <translation>il terzo venerdì %1</translation>
    </message>
    <message>
        <source>the third Saturday %1</source>
        <comment>on a day</comment>
        <translation>il terzo sabato %1</translation>
    </message>
    <message>
        <source>the fourth Sunday %1</source>
        <comment>on a day</comment>
        <translation>la quarta domenica %1</translation>
    </message>
    <message>
        <source>the fourth Monday %1</source>
        <comment>on a day</comment>
        <translation>il quarto lunedì %1</translation>
    </message>
    <message>
        <source>the fourth Tuesday %1</source>
        <comment>on a day</comment>
        <translation>il quarto martedì %1</translation>
    </message>
    <message>
        <source>the fourth Wednesday %1</source>
        <comment>on a day</comment>
        <translation>il quarto mercoledì %1</translation>
    </message>
    <message>
        <source>the fourth Thursday %1</source>
        <comment>on a day</comment>
        <translation>il quarto giovedì %1</translation>
    </message>
    <message>
        <source>the fourth Friday %1</source>
        <comment>on a day</comment>
        <translation>il quarto venerdì %1</translation>
    </message>
    <message>
        <source>the fourth Saturday %1</source>
        <comment>on a day</comment>
        <translation>il quarto sabato %1</translation>
    </message>
    <message>
        <source>the last Sunday %1</source>
        <comment>on a day</comment>
        <translation>l&apos;ultima domenica %1</translation>
    </message>
    <message>
        <source>the last Monday %1</source>
        <comment>on a day</comment>
        <translation>l&apos;ultimo lunedì %1</translation>
    </message>
    <message>
        <source>the last Tuesday %1</source>
        <comment>on a day</comment>
        <translation>l&apos;ultimo martedì %1</translation>
    </message>
    <message>
        <source>the last Wednesday %1</source>
        <comment>on a day</comment>
        <translation>l&apos;ultimo mercoledì %1</translation>
    </message>
    <message>
        <source>the last Thursday %1</source>
        <comment>on a day</comment>
        <translation>l&apos;ultimo giovedì %1</translation>
    </message>
    <message>
        <source>the last Friday %1</source>
        <comment>on a day</comment>
        <translation>l&apos;ultimo venerdì %1</translation>
    </message>
    <message>
        <source>the last Saturday %1</source>
        <comment>on a day</comment>
        <translation>l&apos;ultimo sabato %1</translation>
    </message>
    <message>
        <source>of January</source>
        <extracomment>A month after a week&apos;s weekday (&quot;the last Sunday&quot; + &quot;of October&quot;), with the word that joins them: &quot;d&apos;octobre&quot; where French elides, &quot;im Oktober&quot; in German.</extracomment>
        <translation>di gennaio</translation>
    </message>
    <message>
        <source>of February</source>
        <translation>di febbraio</translation>
    </message>
    <message>
        <source>of March</source>
        <translation>di marzo</translation>
    </message>
    <message>
        <source>of April</source>
        <translation>di aprile</translation>
    </message>
    <message>
        <source>of May</source>
        <translation>di maggio</translation>
    </message>
    <message>
        <source>of June</source>
        <translation>di giugno</translation>
    </message>
    <message>
        <source>of July</source>
        <translation>di luglio</translation>
    </message>
    <message>
        <source>of August</source>
        <translation>di agosto</translation>
    </message>
    <message>
        <source>of September</source>
        <translation>di settembre</translation>
    </message>
    <message>
        <source>of October</source>
        <translation>di ottobre</translation>
    </message>
    <message>
        <source>of November</source>
        <translation>di novembre</translation>
    </message>
    <message>
        <source>of December</source>
        <translation>di dicembre</translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <comment>subject</comment>
        <extracomment>A fixed day standing as the subject of a sentence (&quot;21 March differs in 2027&quot;): %1 the month&apos;s name, %2 the day of the month, with the article the language needs. The form for one lets the language write the first of the month (&quot;le 1er mars&quot;).</extracomment>
        <translation>
            <numerusform>il %2º %1</numerusform>
            <numerusform>il giorno %2 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <comment>on a day</comment>
        <extracomment>The fixed day something happens on (&quot;daylight time starts on 21 March&quot;): %1 the month&apos;s name, %2 the day of the month. Write the preposition and case the day takes here (&quot;am 21. März&quot;), or none; the sentence around it has none. The form for one lets the language write the first of the month (&quot;le 1er mars&quot;).</extracomment>
        <translation>
            <numerusform>il %2º %1</numerusform>
            <numerusform>il giorno %2 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the Sunday on or after %1</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on (&quot;starts on the Sunday on or after 8 March&quot;), %1 the day and month without an article (&quot;8 March&quot;). Write the preposition and case the day takes here (&quot;am ersten Sonntag ab dem %1&quot;), or none; the sentence around it has none.</extracomment>
        <translation>la prima domenica a partire dal giorno %1</translation>
    </message>
    <message>
        <source>the Monday on or after %1</source>
        <translation>il primo lunedì a partire dal giorno %1</translation>
    </message>
    <message>
        <source>the Tuesday on or after %1</source>
        <translation>il primo martedì a partire dal giorno %1</translation>
    </message>
    <message>
        <source>the Wednesday on or after %1</source>
        <translation>il primo mercoledì a partire dal giorno %1</translation>
    </message>
    <message>
        <source>the Thursday on or after %1</source>
        <translation>il primo giovedì a partire dal giorno %1</translation>
    </message>
    <message>
        <source>the Friday on or after %1</source>
        <translation>il primo venerdì a partire dal giorno %1</translation>
    </message>
    <message>
        <source>the Saturday on or after %1</source>
        <translation>il primo sabato a partire dal giorno %1</translation>
    </message>
    <message>
        <source>the Sunday on or before %1</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on (&quot;ends on the Sunday on or before 25 October&quot;), %1 the day and month without an article. Write the preposition and case the day takes here (&quot;am letzten Sonntag bis zum %1&quot;), or none.</extracomment>
        <translation>l&apos;ultima domenica entro il giorno %1</translation>
    </message>
    <message>
        <source>the Monday on or before %1</source>
        <translation>l&apos;ultimo lunedì entro il giorno %1</translation>
    </message>
    <message>
        <source>the Tuesday on or before %1</source>
        <translation>l&apos;ultimo martedì entro il giorno %1</translation>
    </message>
    <message>
        <source>the Wednesday on or before %1</source>
        <translation>l&apos;ultimo mercoledì entro il giorno %1</translation>
    </message>
    <message>
        <source>the Thursday on or before %1</source>
        <translation>l&apos;ultimo giovedì entro il giorno %1</translation>
    </message>
    <message>
        <source>the Friday on or before %1</source>
        <translation>l&apos;ultimo venerdì entro il giorno %1</translation>
    </message>
    <message>
        <source>the Saturday on or before %1</source>
        <translation>l&apos;ultimo sabato entro il giorno %1</translation>
    </message>
    <message>
        <source>the Sunday of week %1 %2</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on: %1 the number of the week in the month, %2 the month with its &quot;of&quot; (&quot;of March&quot;). Write the preposition and case the day takes here, or none.</extracomment>
        <translation>la domenica della settimana %1 %2</translation>
    </message>
    <message>
        <source>the Monday of week %1 %2</source>
        <translation>il lunedì della settimana %1 %2</translation>
    </message>
    <message>
        <source>the Tuesday of week %1 %2</source>
        <translation>il martedì della settimana %1 %2</translation>
    </message>
    <message>
        <source>the Wednesday of week %1 %2</source>
        <translation>il mercoledì della settimana %1 %2</translation>
    </message>
    <message>
        <source>the Thursday of week %1 %2</source>
        <translation>il giovedì della settimana %1 %2</translation>
    </message>
    <message>
        <source>the Friday of week %1 %2</source>
        <translation>il venerdì della settimana %1 %2</translation>
    </message>
    <message>
        <source>the Saturday of week %1 %2</source>
        <translation>il sabato della settimana %1 %2</translation>
    </message>
    <message>
        <source>Permission denied on the clock&apos;s USB device. %1</source>
        <translation>Permesso negato sul dispositivo USB dell&apos;orologio. %1</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device is in use by another program: close that program and try again.</source>
        <translation>Il dispositivo USB dell&apos;orologio è in uso da parte di un altro programma: chiudi quel programma e riprova.</translation>
    </message>
    <message>
        <source>Connected through the clock&apos;s USB device.</source>
        <translation>Connesso tramite il dispositivo USB dell&apos;orologio.</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device was unplugged.</source>
        <translation>Il dispositivo USB dell&apos;orologio è stato scollegato.</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device could not be opened.</source>
        <translation>Impossibile aprire il dispositivo USB dell&apos;orologio.</translation>
    </message>
    <message>
        <source>Clock Configuration Utility</source>
        <extracomment>The product line of the About box before a clock is identified (and for a clock of no known brand); once identified, the brand&apos;s product name.</extracomment>
        <translation>Utilità di configurazione dell&apos;orologio</translation>
    </message>
    <message>
        <source>not available</source>
        <extracomment>In place of the firmware version or serial number while no clock answers.</extracomment>
        <translation>non disponibile</translation>
    </message>
    <message>
        <source>Clock Control</source>
        <extracomment>The window&apos;s title before a clock is identified (and for a clock of no known brand); once identified, the brand&apos;s product name.</extracomment>
        <translation>Controllo dell&apos;orologio</translation>
    </message>
</context>
<context>
    <name>KerovantShort</name>
    <message>
        <source>Sun</source>
        <extracomment>A weekday&apos;s short name, in a change&apos;s day (&quot;Sun 28 Mar 2027&quot;): the language&apos;s usual abbreviation, dot included where it takes one.</extracomment>
        <translation>dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sab</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>A month&apos;s short name, under its month in the year strip: at most five characters, or the strip&apos;s names run into each other.</extracomment>
        <translation>gen</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>The short name of May, under its month in the year strip: at most five characters.</extracomment>
        <translation>mag</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>giu</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>lug</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>ott</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
</context>
</TS>
