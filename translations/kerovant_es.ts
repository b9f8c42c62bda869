<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Kerovant</name>
    <message>
        <source>&amp;About Quintelle Configuration Utility...</source>
        <translation>&amp;Acerca de la utilidad de configuración Quintelle...</translation>
    </message>
    <message>
        <source>Save Link Trace...</source>
        <translation>Guardar registro del enlace...</translation>
    </message>
    <message>
        <source>Save Link Trace</source>
        <translation>Guardar registro del enlace</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>File dialog filter: keep the patterns in parentheses and the &quot;;;&quot;.</extracomment>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The link trace could not be saved to %1: %2</source>
        <translation>No se pudo guardar el registro del enlace en %1: %2</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>UTC Time</source>
        <translation>Hora UTC</translation>
    </message>
    <message>
        <source>Time Code Status</source>
        <translation>Estado del código de tiempo</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Daylight Savings Time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Time Code Settings</source>
        <translation>Ajustes del código de tiempo</translation>
    </message>
    <message>
        <source>Set DateTime</source>
        <translation>Ajustar fecha y hora</translation>
    </message>
    <message>
        <source>Clock Hand Position</source>
        <translation>Posición de las agujas</translation>
    </message>
    <message>
        <source>Clock vs this computer</source>
        <translation>Reloj frente a este equipo</translation>
    </message>
    <message>
        <source>More than half a second off</source>
        <translation>Desviación de más de medio segundo</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Iluminación</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button of every dialog; keep it short.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No communication with clock.</source>
        <translation>No hay comunicación con el reloj.</translation>
    </message>
    <message>
        <source>Communication error setting clock configuration</source>
        <translation>Error de comunicación al ajustar la configuración del reloj</translation>
    </message>
    <message>
        <source>Communication error setting clock time</source>
        <translation>Error de comunicación al ajustar la hora del reloj</translation>
    </message>
    <message>
        <source>Communication error setting dial illumination</source>
        <translation>Error de comunicación al ajustar la iluminación de la esfera</translation>
    </message>
    <message>
        <source>Communication error setting time code date use</source>
        <translation>Error de comunicación al ajustar el uso de la fecha del código de tiempo</translation>
    </message>
    <message>
        <source>Communication error setting clock face time</source>
        <translation>Error de comunicación al ajustar la hora que marcan las agujas</translation>
    </message>
    <message>
        <source>The clock refused it.</source>
        <translation>El reloj lo rechazó.</translation>
    </message>
    <message>
        <source>The clock did not answer.</source>
        <translation>El reloj no respondió.</translation>
    </message>
    <message>
        <source>The connection to the clock was lost.</source>
        <translation>Se perdió la conexión con el reloj.</translation>
    </message>
    <message>
        <source>A later change took its place before it was sent.</source>
        <translation>Un cambio posterior lo sustituyó antes de enviarse.</translation>
    </message>
    <message>
        <source>The clock holds other values than were sent.</source>
        <translation>El reloj tiene valores distintos de los enviados.</translation>
    </message>
    <message>
        <source>Another clock was connected while the dialog was open. Nothing was sent to it.</source>
        <translation>Se conectó otro reloj mientras el cuadro de diálogo estaba abierto. No se le envió nada.</translation>
    </message>
    <message>
        <source>About Orvessa Configuration Utility</source>
        <translation>Acerca de la utilidad de configuración Orvessa</translation>
    </message>
    <message>
        <source>This is a desktop application that configures an Orvessa via a USB cable.</source>
        <translation>Esta aplicación de escritorio configura un Orvessa mediante un cable USB.</translation>
    </message>
    <message>
        <source>Version 1.4.0  07/28/2011</source>
        <translation>Versión 1.4.0  28/07/2011</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button of every settings dialog; keep it short.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Time Zone Configuration</source>
        <translation>Configuración de la zona horaria</translation>
    </message>
    <message>
        <source>Select a time zone description from the list box or configure a custom bias with the edit controls.  The edit controls represent the current configuration of the device.  Note: daylight savings time is not configured here.</source>
        <translation>Seleccione una zona horaria de la lista o configure un desfase personalizado con los campos de edición.  Los campos muestran la configuración actual del dispositivo.  Nota: el horario de verano no se configura aquí.</translation>
    </message>
    <message>
        <source>Bias</source>
        <translation>Desfase</translation>
    </message>
    <message>
        <source>Bias is negative?</source>
        <translation>Desfase negativo</translation>
    </message>
    <message>
        <source>Filter time zones</source>
        <translation>Filtrar zonas horarias</translation>
    </message>
    <message>
        <source>Filter by name or offset, such as berlin or +05:30</source>
        <translation>Filtrar por nombre o desfase, p. ej. berlin o +05:30</translation>
    </message>
    <message>
        <source>the catalogue&apos;s display names in catalogue order</source>
        <translation>los nombres del catálogo en el orden del catálogo</translation>
    </message>
    <message>
        <source>bias hours</source>
        <translation>horas del desfase</translation>
    </message>
    <message>
        <source>bias minutes</source>
        <translation>minutos del desfase</translation>
    </message>
    <message>
        <source>bias seconds</source>
        <translation>segundos del desfase</translation>
    </message>
    <message>
        <source>spin of the three bias fields</source>
        <translation>botones de ajuste de los tres campos del desfase</translation>
    </message>
    <message>
        <source>bias</source>
        <translation>desfase</translation>
    </message>
    <message>
        <source>%1 up</source>
        <extracomment>%1 is what the arrows step, such as &quot;time and date&quot;.</extracomment>
        <translation>%1: aumentar</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1: disminuir</translation>
    </message>
    <message>
        <source>Set Date Time</source>
        <translation>Ajustar fecha y hora</translation>
    </message>
    <message>
        <source>UTC Time from PC clock</source>
        <translation>Hora UTC del reloj del PC</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Radio button left of the date fields; keep it short.</extracomment>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Set Now</source>
        <translation>Ajustar ya</translation>
    </message>
    <message>
        <source>Note: the time/date you are providing shall be treated as UTC-referenced.</source>
        <translation>Nota: la fecha y hora que indique se tomarán como referidas a UTC.</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Caption over the time fields, 16 dialog units wide; one short word.</extracomment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Caption over the date fields, 16 dialog units wide; one short word.</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>hora</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuto</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>month</source>
        <translation>mes</translation>
    </message>
    <message>
        <source>day of month</source>
        <translation>día del mes</translation>
    </message>
    <message>
        <source>year</source>
        <translation>año</translation>
    </message>
    <message>
        <source>spin of the six fields</source>
        <translation>botones de ajuste de los seis campos</translation>
    </message>
    <message>
        <source>time and date</source>
        <translation>hora y fecha</translation>
    </message>
    <message>
        <source>Enter The Current Time Shown On The Face Of The Clock</source>
        <translation>Introduzca la hora que marcan las agujas del reloj</translation>
    </message>
    <message>
        <source>Note: The hands on the clock will be stopped while this dialog box is displayed. The hands will resume motion when this dialog box is closed.</source>
        <translation>Nota: las agujas del reloj se detendrán mientras se muestre este cuadro de diálogo y volverán a moverse al cerrarlo.</translation>
    </message>
    <message>
        <source>Enter the current time shown on the face of the clock</source>
        <translation>Introduzca la hora que marcan las agujas del reloj</translation>
    </message>
    <message>
        <source>Align Seconds hand</source>
        <translation>Alinear el segundero</translation>
    </message>
    <message>
        <source>Each cllick of the button will move the Seconds hand 1/5th of a second</source>
        <translation>Cada clic en el botón mueve el segundero 1/5 de segundo</translation>
    </message>
    <message>
        <source>Hand Motion</source>
        <translation>Movimiento de las agujas</translation>
    </message>
    <message>
        <source>Forward</source>
        <extracomment>A small button; keep it short.</extracomment>
        <translation>Avanzar</translation>
    </message>
    <message>
        <source>Sweep</source>
        <extracomment>A hand motion; keep it short.</extracomment>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>A hand motion; keep it short.</extracomment>
        <translation>A pasos</translation>
    </message>
    <message>
        <source>Check to set clock</source>
        <extracomment>Check box in a narrow place; keep it short.</extracomment>
        <translation>Ajustar reloj</translation>
    </message>
    <message>
        <source>face time hours</source>
        <translation>horas de la esfera</translation>
    </message>
    <message>
        <source>face time minutes</source>
        <translation>minutos de la esfera</translation>
    </message>
    <message>
        <source>face time seconds</source>
        <translation>segundos de la esfera</translation>
    </message>
    <message>
        <source>spin of the three face time fields</source>
        <translation>botones de ajuste de los tres campos de la esfera</translation>
    </message>
    <message>
        <source>face time</source>
        <translation>hora de la esfera</translation>
    </message>
    <message>
        <source>The set time is 0:0:0 are you sure you want to continue?</source>
        <translation>La hora indicada es 0:0:0. ¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>The clock&apos;s hands are stopped. Start them again?</source>
        <translation>Las agujas del reloj están detenidas. ¿Ponerlas de nuevo en marcha?</translation>
    </message>
    <message>
        <source>See users manual for supported date encoding formats.</source>
        <translation>Consulte en el manual los formatos de fecha admitidos.</translation>
    </message>
    <message>
        <source>Use date information encoded in time code</source>
        <translation>Usar la fecha del código de tiempo</translation>
    </message>
    <message>
        <source>Do not use date information encoded in time code</source>
        <translation>No usar la fecha del código de tiempo</translation>
    </message>
    <message>
        <source>Daylight Bias</source>
        <translation>Desfase de verano</translation>
    </message>
    <message>
        <source>Disable daylight time</source>
        <translation>Sin horario de verano</translation>
    </message>
    <message>
        <source>Time reference for daylight savings time shift</source>
        <translation>Referencia horaria para el cambio de horario</translation>
    </message>
    <message>
        <source>Use UTC instead of local time</source>
        <translation>Usar UTC en vez de hora local</translation>
    </message>
    <message>
        <source>Daylight savings time start</source>
        <translation>Inicio del horario de verano</translation>
    </message>
    <message>
        <source>Daylight savings time end</source>
        <translation>Fin del horario de verano</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>Which week of the month a change falls in; radio buttons in a narrow column.</extracomment>
        <translation>Primera</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segunda</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Tercera</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Cuarta</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Absolute</source>
        <extracomment>A change on a fixed date rather than a week of the month; radio button in a narrow column.</extracomment>
        <translation>Fecha fija</translation>
    </message>
    <message>
        <source>Day of week:</source>
        <extracomment>Caption left of a list, 48 dialog units wide; keep it short.</extracomment>
        <translation>Día:</translation>
    </message>
    <message>
        <source>Month:</source>
        <extracomment>Caption left of a list, 48 dialog units wide; keep it short.</extracomment>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>Day of month:</source>
        <extracomment>Caption left of a field, 48 dialog units wide; keep it short.</extracomment>
        <translation>Día del mes:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Caption left of the time fields, 48 dialog units wide; keep it short.</extracomment>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>US/Canada Standard</source>
        <translation>Estándar EE. UU./Canadá</translation>
    </message>
    <message>
        <source>&amp;EU standard</source>
        <translation>Estándar &amp;UE</translation>
    </message>
    <message>
        <source>&amp;US/Canada Standard pre 2007</source>
        <translation>&amp;EE. UU./Canadá antes de 2007</translation>
    </message>
    <message>
        <source>spin of the bias fields</source>
        <translation>botones de ajuste de los campos del desfase</translation>
    </message>
    <message>
        <source>frame of the bias time fields</source>
        <translation>marco de los campos del desfase</translation>
    </message>
    <message>
        <source>start hour</source>
        <translation>inicio: horas</translation>
    </message>
    <message>
        <source>start minute</source>
        <translation>inicio: minutos</translation>
    </message>
    <message>
        <source>start second</source>
        <translation>inicio: segundos</translation>
    </message>
    <message>
        <source>spin of the start time fields</source>
        <translation>botones de ajuste de la hora de inicio</translation>
    </message>
    <message>
        <source>frame of the start time fields</source>
        <translation>marco de la hora de inicio</translation>
    </message>
    <message>
        <source>start day of week</source>
        <translation>inicio: día de la semana</translation>
    </message>
    <message>
        <source>start month</source>
        <translation>inicio: mes</translation>
    </message>
    <message>
        <source>start day of month</source>
        <translation>inicio: día del mes</translation>
    </message>
    <message>
        <source>end hour</source>
        <translation>fin: horas</translation>
    </message>
    <message>
        <source>end minute</source>
        <translation>fin: minutos</translation>
    </message>
    <message>
        <source>end second</source>
        <translation>fin: segundos</translation>
    </message>
    <message>
        <source>spin of the end time fields</source>
        <translation>botones de ajuste de la hora de fin</translation>
    </message>
    <message>
        <source>frame of the end time fields</source>
        <translation>marco de la hora de fin</translation>
    </message>
    <message>
        <source>end day of week</source>
        <translation>fin: día de la semana</translation>
    </message>
    <message>
        <source>end month</source>
        <translation>fin: mes</translation>
    </message>
    <message>
        <source>end day of month</source>
        <translation>fin: día del mes</translation>
    </message>
    <message>
        <source>start time</source>
        <translation>hora de inicio</translation>
    </message>
    <message>
        <source>end time</source>
        <translation>hora de fin</translation>
    </message>
    <message>
        <source>next changes</source>
        <translation>próximos cambios</translation>
    </message>
    <message>
        <source>daylight saving over the coming year</source>
        <translation>horario de verano durante el próximo año</translation>
    </message>
    <message>
        <source>Daylight Savings Time from a Time Zone</source>
        <translation>Horario de verano de una zona horaria</translation>
    </message>
    <message>
        <source>Choose the time zone whose daylight savings time rules the clock should follow.</source>
        <translation>Elija la zona horaria cuyas reglas de horario de verano debe seguir el reloj.</translation>
    </message>
    <message>
        <source>time zones</source>
        <translation>zonas horarias</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>First USB bridge found</source>
        <translation>Primer puente USB encontrado</translation>
    </message>
    <message>
        <source>No USB bridge found</source>
        <translation>No se encontró ningún puente USB</translation>
    </message>
    <message>
        <source> (not found)</source>
        <extracomment>After the name of a chosen device that is not attached now; starts with a space.</extracomment>
        <translation> (no encontrado)</translation>
    </message>
    <message>
        <source>This clock has no illumination: its firmware (%1) speaks protocol version 1.</source>
        <translation>Este reloj no tiene iluminación: su firmware (%1) usa la versión 1 del protocolo.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>Month: enter a month from 1 to 12.</source>
        <translation>Mes: introduzca un mes del 1 al 12.</translation>
    </message>
    <message>
        <source>Year: enter a year from %1 to %2.</source>
        <extracomment>%1 and %2: the first and last year the clock counts right.</extracomment>
        <translation>Año: introduzca un año del %1 al %2.</translation>
    </message>
    <message>
        <source>Day: %1 %2 has %3 days; enter 1 to %3.</source>
        <extracomment>%1 the month&apos;s name (&quot;April&quot;), %2 the year, %3 its number of days.</extracomment>
        <translation>Día: %1 de %2 tiene %3 días; introduzca un valor del 1 al %3.</translation>
    </message>
    <message>
        <source>Daylight Savings Time Configuration</source>
        <translation>Configuración del horario de verano</translation>
    </message>
    <message>
        <source>Daylight savings time shift reference</source>
        <translation>Referencia del cambio de horario</translation>
    </message>
    <message>
        <source>Current &amp;System Setting</source>
        <translation>Ajuste del &amp;sistema</translation>
    </message>
    <message>
        <source>From Zone...</source>
        <translation>Desde zona...</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Firmware Version:  %1</source>
        <extracomment>The clock&apos;s firmware version: %1 the version (&quot;1.3.0&quot;) or &quot;not available&quot;; two blanks after the colon.</extracomment>
        <translation>Versión de firmware:  %1</translation>
    </message>
    <message>
        <source>Serial Number:  %1</source>
        <extracomment>The clock&apos;s serial number: %1 the number or &quot;not available&quot;; two blanks after the colon.</extracomment>
        <translation>Número de serie:  %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader reads for a box of the main window: %1 the box&apos;s caption (&quot;Local Time&quot;), %2 the text it shows.
----------
A refusal of the daylight-saving rules: %1 the rule group&apos;s title (&quot;Daylight savings time start&quot;), %2 what to correct (&quot;choose a month.&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The day of a change on the year strip: %1 the day of the month, %2 the month&apos;s short name (&quot;28 Mar&quot;); keep it short.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>choose a week (First to Last) or Absolute.</source>
        <translation>elija una semana (Primera a Última) o Fecha fija.</translation>
    </message>
    <message>
        <source>choose Absolute in both groups or a week in both.</source>
        <translation>elija Fecha fija en ambos grupos o una semana en ambos.</translation>
    </message>
    <message>
        <source>choose a day of the week.</source>
        <translation>elija un día de la semana.</translation>
    </message>
    <message>
        <source>choose a month.</source>
        <translation>elija un mes.</translation>
    </message>
    <message>
        <source>type a day of the month from 1 to 31.</source>
        <translation>introduzca un día del mes del 1 al 31.</translation>
    </message>
    <message>
        <source>%1 has %2 days.</source>
        <translation>%1 tiene %2 días.</translation>
    </message>
    <message>
        <source>type an hour from 0 to 24.</source>
        <translation>introduzca una hora del 0 al 24.</translation>
    </message>
    <message>
        <source>type a minute from 0 to 60.</source>
        <translation>introduzca un minuto del 0 al 60.</translation>
    </message>
    <message>
        <source>type a second from 0 to 60.</source>
        <translation>introduzca un segundo del 0 al 60.</translation>
    </message>
    <message>
        <source>No time code</source>
        <translation>Sin código de tiempo</translation>
    </message>
    <message>
        <source>IRIG-B : pulse width modulated</source>
        <translation>IRIG-B : modulado por ancho de pulso</translation>
    </message>
    <message>
        <source>IRIG-B(1) : amplitude modulated</source>
        <translation>IRIG-B(1) : modulado en amplitud</translation>
    </message>
    <message>
        <source>Unknown time code</source>
        <translation>Código de tiempo desconocido</translation>
    </message>
    <message>
        <source>Clock is offline</source>
        <translation>Reloj desconectado</translation>
    </message>
    <message>
        <source>about %1 s</source>
        <translation>aprox. %1 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>measuring</source>
        <translation>midiendo</translation>
    </message>
    <message>
        <source>Clock vs this computer: %1</source>
        <translation>Reloj frente a este equipo: %1</translation>
    </message>
    <message>
        <source>The clock on %1 sends damaged replies (bad checksum).</source>
        <translation>El reloj en %1 envía respuestas dañadas (suma de control errónea).</translation>
    </message>
    <message>
        <source>The clock on %1 sends damaged replies (bad checksum): %2</source>
        <translation>El reloj en %1 envía respuestas dañadas (suma de control errónea): %2</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies of the wrong length.</source>
        <translation>El reloj en %1 envía respuestas de longitud incorrecta.</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies of the wrong length: %2</source>
        <translation>El reloj en %1 envía respuestas de longitud incorrecta: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers with the reply to another command.</source>
        <translation>El reloj en %1 responde con la respuesta a otro comando.</translation>
    </message>
    <message>
        <source>The clock on %1 answers with the reply to another command: %2</source>
        <translation>El reloj en %1 responde con la respuesta a otro comando: %2</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies that cannot be read.</source>
        <translation>El reloj en %1 envía respuestas que no se pueden leer.</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies that cannot be read: %2</source>
        <translation>El reloj en %1 envía respuestas que no se pueden leer: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers ACK where a reply belongs.</source>
        <translation>El reloj en %1 responde ACK donde corresponde una respuesta.</translation>
    </message>
    <message>
        <source>The clock on %1 answers ACK where a reply belongs: %2</source>
        <translation>El reloj en %1 responde ACK donde corresponde una respuesta: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers NAK: it did not take the command.</source>
        <translation>El reloj en %1 responde NAK: no aceptó el comando.</translation>
    </message>
    <message>
        <source>The clock on %1 answers NAK: it did not take the command: %2</source>
        <translation>El reloj en %1 responde NAK: no aceptó el comando: %2</translation>
    </message>
    <message>
        <source>The clock does not answer: %1</source>
        <translation>El reloj no responde: %1</translation>
    </message>
    <message>
        <source>The clock on %1 stopped answering.</source>
        <translation>El reloj en %1 dejó de responder.</translation>
    </message>
    <message>
        <source>No clock answers on %1: check that the clock is powered and connected.</source>
        <translation>Ningún reloj responde en %1: compruebe que el reloj tiene alimentación y está conectado.</translation>
    </message>
    <message>
        <source>Looking for the clock on %1 ...</source>
        <translation>Buscando el reloj en %1...</translation>
    </message>
    <message>
        <source>Failed reading Family ID</source>
        <translation>Error al leer el ID de familia</translation>
    </message>
    <message>
        <source>Failed reading CPU type</source>
        <translation>Error al leer el tipo de CPU</translation>
    </message>
    <message>
        <source>Failed reading firmware version</source>
        <translation>Error al leer la versión del firmware</translation>
    </message>
    <message>
        <source>Failed reading Serial Number</source>
        <translation>Error al leer el número de serie</translation>
    </message>
    <message>
        <source>Failed reading current time</source>
        <translation>Error al leer la hora actual</translation>
    </message>
    <message>
        <source>Failed reading clock configuration</source>
        <translation>Error al leer la configuración del reloj</translation>
    </message>
    <message>
        <source>Failed reading display hardware configuration</source>
        <translation>Error al leer la configuración del hardware de la pantalla</translation>
    </message>
    <message>
        <source>Failed reading display configuration</source>
        <translation>Error al leer la configuración de la pantalla</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Error de comunicación</translation>
    </message>
    <message>
        <source>The USB port has not been opened yet.</source>
        <translation>El puerto USB aún no se ha abierto.</translation>
    </message>
    <message>
        <source>Connected through %1.</source>
        <translation>Conectado mediante %1.</translation>
    </message>
    <message>
        <source>No USB bridge found: check that the clock&apos;s USB cable is plugged in.</source>
        <translation>No se encontró ningún puente USB: compruebe que el cable USB del reloj está enchufado.</translation>
    </message>
    <message>
        <source>Device %1 does not exist: check the cable and the device name.</source>
        <translation>El dispositivo %1 no existe: compruebe el cable y el nombre del dispositivo.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 no es un dispositivo serie.</translation>
    </message>
    <message>
        <source>%1 was unplugged.</source>
        <translation>%1 se desconectó.</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>No se pudo abrir %1.</translation>
    </message>
    <message>
        <source>%1 UTC (%2)</source>
        <translation>%1 UTC (%2)</translation>
    </message>
    <message>
        <source>%1 local (%2)</source>
        <translation>%1 hora local (%2)</translation>
    </message>
    <message>
        <source>there daylight time starts on %1</source>
        <translation>allí el horario de verano empieza el %1</translation>
    </message>
    <message>
        <source>there daylight time ends on %1</source>
        <translation>allí el horario de verano termina el %1</translation>
    </message>
    <message>
        <source>with these rules daylight time starts on %1</source>
        <translation>con estas reglas el horario de verano empieza el %1</translation>
    </message>
    <message>
        <source>with these rules daylight time ends on %1</source>
        <translation>con estas reglas el horario de verano termina el %1</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is not in this computer&apos;s time zone data.</source>
        <translation>La zona horaria «%1» no está en los datos de zonas horarias de este equipo.</translation>
    </message>
    <message>
        <source>%1 has no daylight saving time; &quot;Disable daylight time&quot; turns it off on the clock.</source>
        <translation>%1 no tiene horario de verano; «Sin horario de verano» lo desactiva en el reloj.</translation>
    </message>
    <message>
        <source>Daylight time off</source>
        <translation>Horario de verano desactivado</translation>
    </message>
    <message>
        <source>No change: daylight time starts and ends at the same moment.</source>
        <translation>Sin cambio: el horario de verano empieza y termina en el mismo instante.</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Próximos: %1, %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Próximo: %1</translation>
    </message>
    <message>
        <source>Agrees with %1, which has no daylight saving time.</source>
        <translation>Coincide con %1, que no tiene horario de verano.</translation>
    </message>
    <message>
        <source>Agrees with %1 in the time zone data over the next ten years.</source>
        <translation>Coincide con %1 de los datos de zonas horarias durante los próximos diez años.</translation>
    </message>
    <message>
        <source>there nothing changes</source>
        <translation>allí no cambia nada</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>with these rules nothing changes</source>
        <translation>con estas reglas no cambia nada</translation>
    </message>
    <message>
        <source>from %1 UTC the zone&apos;s time is %2, the clock&apos;s %3</source>
        <translation>desde el %1 UTC la hora de la zona es %2, la del reloj %3</translation>
    </message>
    <message>
        <source>the clock&apos;s time zone bias is %1, the zone&apos;s standard time %2</source>
        <translation>el desfase de zona horaria del reloj es %1, la hora estándar de la zona %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Differs from %1 in the time zone data: %2.</source>
        <translation>Difiere de %1 de los datos de zonas horarias: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <extracomment>A day of a month, &quot;21 March&quot;, inside a longer phrase (&quot;the Sunday on or after 21 March&quot;): %1 the month&apos;s name, %2 the day, no article. The form for one lets the language write the first of the month (&quot;1er mars&quot;, &quot;1. März&quot;).</extracomment>
        <translation>
            <numerusform>%2 de %1</numerusform>
            <numerusform>%2 de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 UTC</source>
        <extracomment>The day and time of a change (&quot;the last Sunday of March at 01:00 UTC&quot;): %1 the day with its preposition, %2 the time. The form for one is for the hour 1 (Spanish &quot;a la 01:00&quot;, &quot;a las 02:00&quot;).</extracomment>
        <translation>
            <numerusform>%1 a la %2 UTC</numerusform>
            <numerusform>%1 a las %2 UTC</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 local time</source>
        <translation>
            <numerusform>%1 a la %2 hora local</numerusform>
            <numerusform>%1 a las %2 hora local</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, %3 and later years</source>
        <translation>%1, %2, %3 y años posteriores</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 y %3</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>%1 local time</source>
        <translation>%1 hora local</translation>
    </message>
    <message>
        <source>The clock cannot follow the start exactly: %1 starts daylight time on %2, and %3 differs in %4 (%5 there, %6 on the clock).</source>
        <extracomment>%1 the zone, %2 the day it changes on with its preposition (&quot;on the Sunday on or after 8 March&quot;), %3 the clock&apos;s day as the subject (&quot;the last Sunday of March&quot;), %4 the years (&quot;2027 and 2028&quot;), %5 and %6 a day and time there and on the clock.</extracomment>
        <translation>El reloj no puede seguir exactamente el inicio: en la zona %1 el horario de verano empieza %2, pero %3 difiere en %4 (%5 allí, %6 en el reloj).</translation>
    </message>
    <message>
        <source>The clock cannot follow the end exactly: %1 ends daylight time on %2, and %3 differs in %4 (%5 there, %6 on the clock).</source>
        <translation>El reloj no puede seguir exactamente el final: en la zona %1 el horario de verano termina %2, pero %3 difiere en %4 (%5 allí, %6 en el reloj).</translation>
    </message>
    <message>
        <source>The clock cannot follow the start exactly: %1 differs from %2 in %3 (%4 there, %5 on the clock).</source>
        <extracomment>%1 the clock&apos;s day as the subject (&quot;the last Sunday of March&quot;), %2 the zone, %3 the years (&quot;2027 and 2028&quot;), %4 and %5 a day and time there and on the clock.</extracomment>
        <translation>El reloj no puede seguir exactamente el inicio: %1 difiere de la zona %2 en %3 (%4 allí, %5 en el reloj).</translation>
    </message>
    <message>
        <source>The clock cannot follow the end exactly: %1 differs from %2 in %3 (%4 there, %5 on the clock).</source>
        <translation>El reloj no puede seguir exactamente el final: %1 difiere de la zona %2 en %3 (%4 allí, %5 en el reloj).</translation>
    </message>
    <message>
        <source>%1 has no daylight saving time: &quot;Disable daylight time&quot; is ticked, so the clock keeps standard time all year.</source>
        <translation>%1 no tiene horario de verano: «Sin horario de verano» está marcado, así que el reloj mantiene la hora estándar todo el año.</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is not in this computer&apos;s time zone data; nothing was imported.</source>
        <translation>La zona horaria «%1» no está en los datos de zonas horarias de este equipo; no se importó nada.</translation>
    </message>
    <message>
        <source>Imported the rules of %1: daylight time starts on %2 and ends on %3.</source>
        <extracomment>%1 the zone, %2 and %3 the days and times of the changes with their prepositions (&quot;on the last Sunday of March at 01:00 UTC&quot;): write no preposition before them.</extracomment>
        <translation>Reglas de %1 importadas: el horario de verano empieza %2 y termina %3.</translation>
    </message>
    <message>
        <source>Daylight time moves the clock %1 back.</source>
        <translation>El horario de verano atrasa el reloj %1.</translation>
    </message>
    <message>
        <source>Daylight time moves the clock %1 forward.</source>
        <translation>El horario de verano adelanta el reloj %1.</translation>
    </message>
    <message>
        <source>Local times are those the clock shows just before each change.</source>
        <translation>Las horas locales son las que muestra el reloj justo antes de cada cambio.</translation>
    </message>
    <message>
        <source>The time zone data does not confirm whether the changes follow UTC or local time; local time is used.</source>
        <translation>Los datos de zonas horarias no confirman si los cambios siguen UTC o la hora local; se usa la hora local.</translation>
    </message>
    <message>
        <source>The zone&apos;s shift varies over the years; the clock keeps %1.</source>
        <translation>El desfase de verano de la zona varía con los años; el reloj mantiene %1.</translation>
    </message>
    <message>
        <source>The zone also changes its standard time on %1 UTC; the clock&apos;s time zone bias does not follow.</source>
        <translation>La zona también cambia su hora estándar el %1 UTC; el desfase de zona horaria del reloj no lo sigue.</translation>
    </message>
    <message>
        <source>This computer names no time zone; nothing was imported.</source>
        <translation>Este equipo no indica ninguna zona horaria; no se importó nada.</translation>
    </message>
    <message>
        <source>Kerovant&apos;s udev rule (%1) gives the user at the desktop access to the clock: install it (the kerovant package does), then plug the clock in again.</source>
        <translation>La regla udev de Kerovant (%1) da al usuario del escritorio acceso al reloj: instálela (el paquete kerovant lo hace) y vuelva a enchufar el reloj.</translation>
    </message>
    <message>
        <source>Permission denied on %1. %2</source>
        <translation>Permiso denegado en %1. %2</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group &apos;%2&apos; (for example: sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>Permiso denegado en %1: únase al grupo «%2» (por ejemplo: sudo usermod -aG %2 $USER) y luego cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>only the administrator may read and write it</source>
        <translation>solo el administrador puede leerlo y escribirlo</translation>
    </message>
    <message>
        <source>only root may read and write it</source>
        <translation>solo root puede leerlo y escribirlo</translation>
    </message>
    <message>
        <source>only its owner, the user &apos;%1&apos;, may read and write it</source>
        <translation>solo su propietario, el usuario «%1», puede leerlo y escribirlo</translation>
    </message>
    <message>
        <source>only its owner, user ID %1, may read and write it</source>
        <translation>solo su propietario, con ID de usuario %1, puede leerlo y escribirlo</translation>
    </message>
    <message>
        <source>Permission denied on %1: %2. %3</source>
        <translation>Permiso denegado en %1: %2. %3</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close that program and try again.</source>
        <translation>%1 está en uso por otro programa: cierre ese programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>a program (process %1)</source>
        <translation>un programa (proceso %1)</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (proceso %2)</translation>
    </message>
    <message>
        <source>%1 is in use by %2. Kerovant&apos;s udev rule (%3) tells ModemManager to leave the clock alone: install it (the kerovant package does), then plug the clock in again.</source>
        <translation>%1 está en uso por %2. La regla udev de Kerovant (%3) indica a ModemManager que deje en paz el reloj: instálela (el paquete kerovant lo hace) y vuelva a enchufar el reloj.</translation>
    </message>
    <message>
        <source>%1 is in use by %2: close that program and try again.</source>
        <translation>%1 está en uso por %2: cierre ese programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The clock&apos;s configuration holds values out of range:
%1</source>
        <translation>La configuración del reloj contiene valores fuera de rango:
%1</translation>
    </message>
    <message>
        <source>Correct them now? Hand motion out of range becomes sweep, a date flag above 1 becomes 1, and daylight-saving rules out of range go back to the defaults (no daylight saving shift).</source>
        <translation>¿Corregirlos ahora? Un movimiento de agujas fuera de rango pasa a continuo, un indicador de fecha mayor que 1 pasa a 1, y las reglas de horario de verano fuera de rango vuelven a los valores predeterminados (sin desfase de verano).</translation>
    </message>
    <message>
        <source>A time zone bias or daylight saving shift beyond 24 hours is not corrected here: set them with Time Zone and Daylight Savings Time.</source>
        <translation>Un desfase de zona horaria o de verano de más de 24 horas no se corrige aquí: ajústelos con «Zona horaria» y «Horario de verano».</translation>
    </message>
    <message>
        <source>The clock&apos;s configuration was corrected.</source>
        <translation>La configuración del reloj se ha corregido.</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4 %5</source>
        <extracomment>A day and time, &quot;Sun 28 Mar 2027 01:00&quot;: %1 the weekday&apos;s short name, %2 the day of the month, %3 the month&apos;s short name, %4 the year, %5 the time. Order and punctuation as the language writes a date.</extracomment>
        <translation>%1, %2 %3 %4 %5</translation>
    </message>
    <message>
        <source>The clock acknowledged it, but the connection was lost before it could be confirmed. It is checked when the clock is back; you are told only if the clock holds other values.</source>
        <translation>El reloj lo aceptó, pero se perdió la conexión antes de poder confirmarlo. Se comprobará cuando el reloj vuelva; solo se le avisará si el reloj tiene valores distintos.</translation>
    </message>
    <message>
        <source>The clock is not connected. Setting goes on once the same clock is back.</source>
        <translation>El reloj no está conectado. El ajuste continúa cuando vuelva el mismo reloj.</translation>
    </message>
    <message>
        <source>the first Sunday %1</source>
        <comment>subject</comment>
        <extracomment>A week&apos;s weekday of a month standing as the subject of a sentence (&quot;the last Sunday of March differs in 2027&quot;), %1 the month with its &quot;of&quot; (&quot;of March&quot;). The ordinal agrees with the weekday: one message for each week and weekday.</extracomment>
        <translation>el primer domingo %1</translation>
    </message>
    <message>
        <source>the first Monday %1</source>
        <comment>subject</comment>
        <translation>el primer lunes %1</translation>
    </message>
    <message>
        <source>the first Tuesday %1</source>
        <comment>subject</comment>
        <translation>el primer martes %1</translation>
    </message>
    <message>
        <source>the first Wednesday %1</source>
        <comment>subject</comment>
        <translation>el primer miércoles %1</translation>
    </message>
    <message>
        <source>the first Thursday %1</source>
        <comment>subject</comment>
        <translation>el primer jueves %1</translation>
    </message>
    <message>
        <source>the first Friday %1</source>
        <comment>subject</comment>
        <translation>el primer viernes %1</translation>
    </message>
    <message>
        <source>the first Saturday %1</source>
        <comment>subject</comment>
        <translation>el primer sábado %1</translation>
    </message>
    <message>
        <source>the second Sunday %1</source>
        <comment>subject</comment>
        <translation>el segundo domingo %1</translation>
    </message>
    <message>
        <source>the second Monday %1</source>
        <comment>subject</comment>
        <translation>el segundo lunes %1</translation>
    </message>
    <message>
        <source>the second Tuesday %1</source>
        <comment>subject</comment>
        <translation>el segundo martes %1</translation>
    </message>
    <message>
        <source>the second Wednesday %1</source>
        <comment>subject</comment>
        <translation>el segundo miércoles %1</translation>
    </message>
    <message>
        <source>the second Thursday %1</source>
        <comment>subject</comment>
        <translation>el segundo jueves %1</translation>
    </message>
    <message>
        <source>the second Friday %1</source>
        <comment>subject</comment>
        <translation>el segundo viernes %1</translation>
    </message>
    <message>
        <source>the second Saturday %1</source>
        <comment>subject</comment>
        <translation>el segundo sábado %1</translation>
    </message>
    <message>
        <source>the third Sunday %1</source>
        <comment>subject</comment>
        <translation>el tercer domingo %1</translation>
    </message>
    <message>
        <source>the third Monday %1</source>
        <comment>subject</comment>
        <translation>el tercer lunes %1</translation>
    </message>
    <message>
        <source>the third Tuesday %1</source>
        <comment>subject</comment>
        <translation>el tercer martes %1</translation>
    </message>
    <message>
        <source>the third Wednesday %1</source>
        <comment>subject</comment>
        <translation>el tercer miércoles %1</translation>
    </message>
    <message>
        <source>the third Thursday %1</source>
        <comment>subject</comment>
        <translation>el tercer jueves %1</translation>
    </message>
    <message>
        <source>the third Friday %1</source>
        <comment>subject</comment>
        <translation>el tercer viernes %1</translation>
    </message>
    <message>
        <source>the third Saturday %1</source>
        <comment>subject</comment>
        <translation>el tercer sábado %1</translation>
    </message>
    <message>
        <source>the fourth Sunday %1</source>
        <comment>subject</comment>
        <translation>el cuarto domingo %1</translation>
    </message>
    <message>
        <source>the fourth Monday %1</source>
        <comment>subject</comment>
        <translation>el cuarto lunes %1</translation>
    </message>
    <message>
        <source>the fourth Tuesday %1</source>
        <comment>subject</comment>
        <translation>el cuarto martes %1</translation>
    </message>
    <message>
        <source>the fourth Wednesday %1</source>
        <comment>subject</comment>
        <translation>el cuarto miércoles %1</translation>
    </message>
    <message>
        <source>the fourth Thursday %1</source>
        <comment>subject</comment>
        <translation>el cuarto jueves %1</translation>
    </message>
    <message>
        <source>the fourth Friday %1</source>
        <comment>subject</comment>
        <translation>el cuarto viernes %1</translation>
    </message>
    <message>
        <source>the fourth Saturday %1</source>
        <comment>subject</comment>
        <translation>el cuarto sábado %1</translation>
    </message>
    <message>
        <source>the last Sunday %1</source>
        <comment>subject</comment>
        <translation>el último domingo %1</translation>
    </message>
    <message>
        <source>the last Monday %1</source>
        <comment>subject</comment>
        <translation>el último lunes %1</translation>
    </message>
    <message>
        <source>the last Tuesday %1</source>
        <comment>subject</comment>
        <translation>el último martes %1</translation>
    </message>
    <message>
        <source>the last Wednesday %1</source>
        <comment>subject</comment>
        <translation>el último miércoles %1</translation>
    </message>
    <message>
        <source>the last Thursday %1</source>
        <comment>subject</comment>
        <translation>el último jueves %1</translation>
    </message>
    <message>
        <source>the last Friday %1</source>
        <comment>subject</comment>
        <translation>el último viernes %1</translation>
    </message>
    <message>
        <source>the last Saturday %1</source>
        <comment>subject</comment>
        <translation>el último sábado %1</translation>
    </message>
    <message>
        <source>the first Sunday %1</source>
        <comment>on a day</comment>
        <extracomment>The day something happens on (&quot;daylight time starts on the last Sunday of March&quot;), %1 the month with its &quot;of&quot; (&quot;of March&quot;). Write the preposition and case the day takes here (&quot;am letzten Sonntag&quot;, &quot;no último domingo&quot;), or none; the sentence around it has none.</extracomment>
        <translation>el primer domingo %1</translation>
    </message>
    <message>
        <source>the first Monday %1</source>
        <comment>on a day</comment>
        <translation>el primer lunes %1</translation>
    </message>
    <message>
        <source>the first Tuesday %1</source>
        <comment>on a day</comment>
        <translation>el primer martes %1</translation>
    </message>
    <message>
        <source>the first Wednesday %1</source>
        <comment>on a day</comment>
        <translation>el primer miércoles %1</translation>
    </message>
    <message>
        <source>the first Thursday %1</source>
        <comment>on a day</comment>
        <translation>el primer jueves %1</translation>
    </message>
    <message>
        <source>the first Friday %1</source>
        <comment>on a day</comment>
        <translation>el primer viernes %1</translation>
    </message>
    <message>
        <source>the first Saturday %1</source>
        <comment>on a day</comment>
        <translation>el primer sábado %1</translation>
    </message>
    <message>
        <source>the second Sunday %1</source>
        <comment>on a day</comment>
        <translation>el segundo domingo %1</translation>
    </message>
    <message>
        <source>the second Monday %1</source>
        <comment>on a day</comment>
        <translation>el segundo lunes %1</translation>
    </message>
    <message>
        <source>the second Tuesday %1</source>
        <comment>on a day</comment>
        <translation>el segundo martes %1</translation>
    </message>
    <message>
        <source>the second Wednesday %1</source>
        <comment>on a day</comment>
        <translation>el segundo miércoles %1</translation>
    </message>
    <message>
        <source>the second Thursday %1</source>
        <comment>on a day</comment>
        <translation>el segundo jueves %1</translation>
    </message>
    <message>
        <source>the second Friday %1</source>
        <comment>on a day</comment>
        <translation>el segundo viernes %1</translation>
    </message>
    <message>
        <source>the second Saturday %1</source>
        <comment>on a day</comment>
        <translation>el segundo sábado %1</translation>
    </message>
    <message>
        <source>the third Sunday %1</source>
        <comment>on a day</comment>
        <translation>el tercer domingo %1</translation>
    </message>
    <message>
        <source>the third Monday %1</source>
        <comment>on a day</comment>
        <translation>el tercer lunes %1</translation>
    </message>
    <message>
        <source>the third Tuesday %1</source>
        <comment>on a day</comment>
        <translation>el tercer martes %1</translation>
    </message>
    <message>
        <source>the third Wednesday %1</source>
        <comment>on a day</comment>
        <translation>el tercer miércoles %1</translation>
    </message>
    <message>
        <source>the third Thursday %1</source>
        <comment>on a day</comment>
        <translation>el tercer jueves %1</translation>
    </message>
    <message>
        <source>the third Friday %1</source>
        <comment>on a day</comment>
        <translation>el tercer viernes %1</translation>
    </message>
    <message>
        <source>the third Saturday %1</source>
        <comment>on a day</comment>
        <translation>el tercer sábado %1</translation>
    </message>
    <message>
        <source>the fourth Sunday %1</source>
        <comment>on a day</comment>
        <translation>el cuarto domingo %1</translation>
    </message>
    <message>
        <source>the fourth Monday %1</source>
        <comment>on a day</comment>
        <translation>el cuarto lunes %1</translation>
    </message>
    <message>
        <source>the fourth Tuesday %1</source>
        <comment>on a day</comment>
        <translation>el cuarto martes %1</translation>
    </message>
    <message>
        <source>the fourth Wednesday %1</source>
        <comment>on a day</comment>
        <translation>el cuarto miércoles %1</translation>
    </message>
    <message>
        <source>the fourth Thursday %1</source>
        <comment>on a day</comment>
        <translation>el cuarto jueves %1</translation>
    </message>
    <message>
        <source>the fourth Friday %1</source>
        <comment>on a day</comment>
        <translation>el cuarto viernes %1</translation>
    </message>
    <message>
        <source>the fourth Saturday %1</source>
        <comment>on a day</comment>
        <translation>el cuarto sábado %1</translation>
    </message>
    <message>
        <source>the last Sunday %1</source>
        <comment>on a day</comment>
        <translation>el último domingo %1</translation>
    </message>
    <message>
        <source>the last Monday %1</source>
        <comment>on a day</comment>
        <translation>el último lunes %1</translation>
    </message>
    <message>
        <source>the last Tuesday %1</source>
        <comment>on a day</comment>
        <translation>el último martes %1</translation>
    </message>
    <message>
        <source>the last Wednesday %1</source>
        <comment>on a day</comment>
        <translation>el último miércoles %1</translation>
    </message>
    <message>
        <source>the last Thursday %1</source>
        <comment>on a day</comment>
        <translation>el último jueves %1</translation>
    </message>
    <message>
        <source>the last Friday %1</source>
        <comment>on a day</comment>
        <translation>el último viernes %1</translation>
    </message>
    <message>
        <source>the last Saturday %1</source>
        <comment>on a day</comment>
        <translation>el último sábado %1</translation>
    </message>
    <message>
        <source>of January</source>
        <extracomment>A month after a week&apos;s weekday (&quot;the last Sunday&quot; + &quot;of October&quot;), with the word that joins them: &quot;d&apos;octobre&quot; where French elides, &quot;im Oktober&quot; in German.</extracomment>
        <translation>de enero</translation>
    </message>
    <message>
        <source>of February</source>
        <translation>de febrero</translation>
    </message>
    <message>
        <source>of March</source>
        <translation>de marzo</translation>
    </message>
    <message>
        <source>of April</source>
        <translation>de abril</translation>
    </message>
    <message>
        <source>of May</source>
        <translation>de mayo</translation>
    </message>
    <message>
        <source>of June</source>
        <translation>de junio</translation>
    </message>
    <message>
        <source>of July</source>
        <translation>de julio</translation>
    </message>
    <message>
        <source>of August</source>
        <translation>de agosto</translation>
    </message>
    <message>
        <source>of September</source>
        <translation>de septiembre</translation>
    </message>
    <message>
        <source>of October</source>
        <translation>de octubre</translation>
    </message>
    <message>
        <source>of November</source>
        <translation>de noviembre</translation>
    </message>
    <message>
        <source>of December</source>
        <translation>de diciembre</translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <comment>subject</comment>
        <extracomment>A fixed day standing as the subject of a sentence (&quot;21 March differs in 2027&quot;): %1 the month&apos;s name, %2 the day of the month, with the article the language needs. The form for one lets the language write the first of the month (&quot;le 1er mars&quot;).</extracomment>
        <translation>
            <numerusform>el %2 de %1</numerusform>
            <numerusform>el %2 de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <comment>on a day</comment>
        <extracomment>The fixed day something happens on (&quot;daylight time starts on 21 March&quot;): %1 the month&apos;s name, %2 the day of the month. Write the preposition and case the day takes here (&quot;am 21. März&quot;), or none; the sentence around it has none. The form for one lets the language write the first of the month (&quot;le 1er mars&quot;).</extracomment>
        <translation>
            <numerusform>el %2 de %1</numerusform>
            <numerusform>el %2 de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the Sunday on or after %1</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on (&quot;starts on the Sunday on or after 8 March&quot;), %1 the day and month without an article (&quot;8 March&quot;). Write the preposition and case the day takes here (&quot;am ersten Sonntag ab dem %1&quot;), or none; the sentence around it has none.</extracomment>
        <translation>el primer domingo a partir del %1</translation>
    </message>
    <message>
        <source>the Monday on or after %1</source>
        <translation>el primer lunes a partir del %1</translation>
    </message>
    <message>
        <source>the Tuesday on or after %1</source>
        <translation>el primer martes a partir del %1</translation>
    </message>
    <message>
        <source>the Wednesday on or after %1</source>
        <translation>el primer miércoles a partir del %1</translation>
    </message>
    <message>
        <source>the Thursday on or after %1</source>
        <translation>el primer jueves a partir del %1</translation>
    </message>
    <message>
        <source>the Friday on or after %1</source>
        <translation>el primer viernes a partir del %1</translation>
    </message>
    <message>
        <source>the Saturday on or after %1</source>
        <translation>el primer sábado a partir del %1</translation>
    </message>
    <message>
        <source>the Sunday on or before %1</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on (&quot;ends on the Sunday on or before 25 October&quot;), %1 the day and month without an article. Write the preposition and case the day takes here (&quot;am letzten Sonntag bis zum %1&quot;), or none.</extracomment>
        <translation>el último domingo hasta el %1</translation>
    </message>
    <message>
        <source>the Monday on or before %1</source>
        <translation>el último lunes hasta el %1</translation>
    </message>
    <message>
        <source>the Tuesday on or before %1</source>
        <translation>el último martes hasta el %1</translation>
    </message>
    <message>
        <source>the Wednesday on or before %1</source>
        <translation>el último miércoles hasta el %1</translation>
    </message>
    <message>
        <source>the Thursday on or before %1</source>
        <translation>el último jueves hasta el %1</translation>
    </message>
    <message>
        <source>the Friday on or before %1</source>
        <translation>el último viernes hasta el %1</translation>
    </message>
    <message>
        <source>the Saturday on or before %1</source>
        <translation>el último sábado hasta el %1</translation>
    </message>
    <message>
        <source>the Sunday of week %1 %2</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on: %1 the number of the week in the month, %2 the month with its &quot;of&quot; (&quot;of March&quot;). Write the preposition and case the day takes here, or none.</extracomment>
        <translation>el domingo de la semana %1 %2</translation>
    </message>
    <message>
        <source>the Monday of week %1 %2</source>
        <translation>el lunes de la semana %1 %2</translation>
    </message>
    <message>
        <source>the Tuesday of week %1 %2</source>
        <translation>el martes de la semana %1 %2</translation>
    </message>
    <message>
        <source>the Wednesday of week %1 %2</source>
        <translation>el miércoles de la semana %1 %2</translation>
    </message>
    <message>
        <source>the Thursday of week %1 %2</source>
        <translation>el jueves de la semana %1 %2</translation>
    </message>
    <message>
        <source>the Friday of week %1 %2</source>
        <translation>el viernes de la semana %1 %2</translation>
    </message>
    <message>
        <source>the Saturday of week %1 %2</source>
        <translation>el sábado de la semana %1 %2</translation>
    </message>
    <message>
        <source>Permission denied on the clock&apos;s USB device. %1</source>
        <translation>Permiso denegado en el dispositivo USB del reloj. %1</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device is in use by another program: close that program and try again.</source>
        <translation>El dispositivo USB del reloj está en uso por otro programa: cierre ese programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Connected through the clock&apos;s USB device.</source>
        <translation>Conectado mediante el dispositivo USB del reloj.</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device was unplugged.</source>
        <translation>El dispositivo USB del reloj se desconectó.</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device could not be opened.</source>
        <translation>No se pudo abrir el dispositivo USB del reloj.</translation>
    </message>
    <message>
        <source>Clock Configuration Utility</source>
        <extracomment>The product line of the About box before a clock is identified (and for a clock of no known brand); once identified, the brand&apos;s product name.</extracomment>
        <translation>Utilidad de configuración del reloj</translation>
    </message>
    <message>
        <source>not available</source>
        <extracomment>In place of the firmware version or serial number while no clock answers.</extracomment>
        <translation>no disponible</translation>
    </message>
    <message>
        <source>Clock Control</source>
        <extracomment>The window&apos;s title before a clock is identified (and for a clock of no known brand); once identified, the brand&apos;s product name.</extracomment>
        <translation>Control del reloj</translation>
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
        <translation>mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sáb</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>A month&apos;s short name, under its month in the year strip: at most five characters, or the strip&apos;s names run into each other.</extracomment>
        <translation>ene</translation>
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
        <translation>abr</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>The short name of May, under its month in the year strip: at most five characters.</extracomment>
        <translation>may</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
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
