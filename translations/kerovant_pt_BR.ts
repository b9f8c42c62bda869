<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Kerovant</name>
    <message>
        <source>&amp;About Quintelle Configuration Utility...</source>
        <translation>&amp;Sobre o utilitário de configuração Quintelle...</translation>
    </message>
    <message>
        <source>Save Link Trace...</source>
        <translation>Salvar registro da comunicação...</translation>
    </message>
    <message>
        <source>Save Link Trace</source>
        <translation>Salvar registro da comunicação</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>File dialog filter: keep the patterns in parentheses and the &quot;;;&quot;.</extracomment>
        <translation>Arquivos de texto (*.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The link trace could not be saved to %1: %2</source>
        <translation>Não foi possível salvar o registro da comunicação em %1: %2</translation>
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
        <translation>Status do código de tempo</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Daylight Savings Time</source>
        <translation>Horário de verão</translation>
    </message>
    <message>
        <source>Time Code Settings</source>
        <translation>Configurações do código de tempo</translation>
    </message>
    <message>
        <source>Set DateTime</source>
        <translation>Ajustar data e hora</translation>
    </message>
    <message>
        <source>Clock Hand Position</source>
        <translation>Posição dos ponteiros</translation>
    </message>
    <message>
        <source>Firmware Version:  %1</source>
        <extracomment>The clock&apos;s firmware version: %1 the version (&quot;1.3.0&quot;) or &quot;not available&quot;; two blanks after the colon.</extracomment>
        <translation>Versão do firmware:  %1</translation>
    </message>
    <message>
        <source>Serial Number:  %1</source>
        <extracomment>The clock&apos;s serial number: %1 the number or &quot;not available&quot;; two blanks after the colon.</extracomment>
        <translation>Número de série:  %1</translation>
    </message>
    <message>
        <source>Clock vs this computer</source>
        <translation>Relógio em relação a este computador</translation>
    </message>
    <message>
        <source>More than half a second off</source>
        <translation>Diferença de mais de meio segundo</translation>
    </message>
    <message>
        <source>Illumination</source>
        <translation>Iluminação</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button of every dialog; keep it short.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>No communication with clock.</source>
        <translation>Sem comunicação com o relógio.</translation>
    </message>
    <message>
        <source>Communication error setting clock configuration</source>
        <translation>Erro de comunicação ao ajustar a configuração do relógio</translation>
    </message>
    <message>
        <source>Communication error setting clock time</source>
        <translation>Erro de comunicação ao ajustar a hora do relógio</translation>
    </message>
    <message>
        <source>Communication error setting dial illumination</source>
        <translation>Erro de comunicação ao ajustar a iluminação do mostrador</translation>
    </message>
    <message>
        <source>Communication error setting time code date use</source>
        <translation>Erro de comunicação ao ajustar o uso da data do código de tempo</translation>
    </message>
    <message>
        <source>Communication error setting clock face time</source>
        <translation>Erro de comunicação ao ajustar a hora do mostrador</translation>
    </message>
    <message>
        <source>The clock refused it.</source>
        <translation>O relógio recusou a alteração.</translation>
    </message>
    <message>
        <source>The clock did not answer.</source>
        <translation>O relógio não respondeu.</translation>
    </message>
    <message>
        <source>The connection to the clock was lost.</source>
        <translation>A conexão com o relógio foi perdida.</translation>
    </message>
    <message>
        <source>A later change took its place before it was sent.</source>
        <translation>Uma alteração posterior a substituiu antes que fosse enviada.</translation>
    </message>
    <message>
        <source>The clock holds other values than were sent.</source>
        <translation>O relógio contém valores diferentes dos enviados.</translation>
    </message>
    <message>
        <source>Another clock was connected while the dialog was open. Nothing was sent to it.</source>
        <translation>Outro relógio foi conectado enquanto a caixa de diálogo estava aberta. Nada foi enviado a ele.</translation>
    </message>
    <message>
        <source>About Orvessa Configuration Utility</source>
        <translation>Sobre o utilitário de configuração Orvessa</translation>
    </message>
    <message>
        <source>This is a desktop application that configures an Orvessa via a USB cable.</source>
        <translation>Este aplicativo de desktop configura um relógio Orvessa por meio de um cabo USB.</translation>
    </message>
    <message>
        <source>Version 1.4.0  07/28/2011</source>
        <translation>Versão 1.4.0  28/07/2011</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button of every settings dialog; keep it short.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Time Zone Configuration</source>
        <translation>Configuração do fuso horário</translation>
    </message>
    <message>
        <source>Select a time zone description from the list box or configure a custom bias with the edit controls.  The edit controls represent the current configuration of the device.  Note: daylight savings time is not configured here.</source>
        <translation>Selecione um fuso horário na lista ou configure um desvio personalizado nos campos.  Os campos mostram a configuração atual do dispositivo.  Observação: o horário de verão não é configurado aqui.</translation>
    </message>
    <message>
        <source>Bias</source>
        <translation>Desvio</translation>
    </message>
    <message>
        <source>Bias is negative?</source>
        <translation>Desvio negativo</translation>
    </message>
    <message>
        <source>Filter time zones</source>
        <translation>Filtrar fusos horários</translation>
    </message>
    <message>
        <source>Filter by name or offset, such as berlin or +05:30</source>
        <translation>Filtrar por nome ou desvio, como berlin ou +05:30</translation>
    </message>
    <message>
        <source>the catalogue&apos;s display names in catalogue order</source>
        <translation>os nomes de exibição do catálogo na ordem do catálogo</translation>
    </message>
    <message>
        <source>bias hours</source>
        <translation>horas do desvio</translation>
    </message>
    <message>
        <source>bias minutes</source>
        <translation>minutos do desvio</translation>
    </message>
    <message>
        <source>bias seconds</source>
        <translation>segundos do desvio</translation>
    </message>
    <message>
        <source>spin of the three bias fields</source>
        <translation>botões de ajuste dos três campos do desvio</translation>
    </message>
    <message>
        <source>bias</source>
        <translation>desvio</translation>
    </message>
    <message>
        <source>%1 up</source>
        <extracomment>%1 is what the arrows step, such as &quot;time and date&quot;.</extracomment>
        <translation>%1: aumentar</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1: diminuir</translation>
    </message>
    <message>
        <source>Set Date Time</source>
        <translation>Ajustar data e hora</translation>
    </message>
    <message>
        <source>UTC Time from PC clock</source>
        <translation>Hora UTC do relógio do PC</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Radio button left of the date fields; keep it short.</extracomment>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Set Now</source>
        <translation>Ajustar agora</translation>
    </message>
    <message>
        <source>Note: the time/date you are providing shall be treated as UTC-referenced.</source>
        <translation>Observação: a data e a hora informadas serão tratadas como UTC.</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Caption over the time fields, 16 dialog units wide; one short word.</extracomment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Caption over the date fields, 16 dialog units wide; one short word.</extracomment>
        <translation>Data</translation>
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
        <translation>mês</translation>
    </message>
    <message>
        <source>day of month</source>
        <translation>dia do mês</translation>
    </message>
    <message>
        <source>year</source>
        <translation>ano</translation>
    </message>
    <message>
        <source>spin of the six fields</source>
        <translation>botões de ajuste dos seis campos</translation>
    </message>
    <message>
        <source>time and date</source>
        <translation>hora e data</translation>
    </message>
    <message>
        <source>Enter The Current Time Shown On The Face Of The Clock</source>
        <translation>Informe a hora mostrada agora no mostrador do relógio</translation>
    </message>
    <message>
        <source>Note: The hands on the clock will be stopped while this dialog box is displayed. The hands will resume motion when this dialog box is closed.</source>
        <translation>Observação: os ponteiros do relógio ficarão parados enquanto esta caixa de diálogo estiver aberta. Eles voltarão a se mover quando ela for fechada.</translation>
    </message>
    <message>
        <source>Enter the current time shown on the face of the clock</source>
        <translation>Informe a hora mostrada no mostrador do relógio</translation>
    </message>
    <message>
        <source>Align Seconds hand</source>
        <translation>Alinhar o ponteiro dos segundos</translation>
    </message>
    <message>
        <source>Each cllick of the button will move the Seconds hand 1/5th of a second</source>
        <translation>Cada clique no botão avança o ponteiro dos segundos 1/5 de segundo</translation>
    </message>
    <message>
        <source>Hand Motion</source>
        <translation>Movimento dos ponteiros</translation>
    </message>
    <message>
        <source>Forward</source>
        <extracomment>A small button; keep it short.</extracomment>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Sweep</source>
        <extracomment>A hand motion; keep it short.</extracomment>
        <translation>Contínuo</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>A hand motion; keep it short.</extracomment>
        <translation>Passo a passo</translation>
    </message>
    <message>
        <source>Check to set clock</source>
        <extracomment>Check box in a narrow place; keep it short.</extracomment>
        <translation>Ajustar relógio</translation>
    </message>
    <message>
        <source>face time hours</source>
        <translation>horas do mostrador</translation>
    </message>
    <message>
        <source>face time minutes</source>
        <translation>minutos do mostrador</translation>
    </message>
    <message>
        <source>face time seconds</source>
        <translation>segundos do mostrador</translation>
    </message>
    <message>
        <source>spin of the three face time fields</source>
        <translation>botões de ajuste dos três campos do mostrador</translation>
    </message>
    <message>
        <source>face time</source>
        <translation>hora do mostrador</translation>
    </message>
    <message>
        <source>The set time is 0:0:0 are you sure you want to continue?</source>
        <translation>A hora definida é 0:0:0. Deseja mesmo continuar?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Tem certeza?</translation>
    </message>
    <message>
        <source>The clock&apos;s hands are stopped. Start them again?</source>
        <translation>Os ponteiros do relógio estão parados. Colocá-los em movimento novamente?</translation>
    </message>
    <message>
        <source>The clock&apos;s configuration holds values out of range:
%1</source>
        <translation>A configuração do relógio contém valores fora do intervalo:
%1</translation>
    </message>
    <message>
        <source>Correct them now? Hand motion out of range becomes sweep, a date flag above 1 becomes 1, and daylight-saving rules out of range go back to the defaults (no daylight saving shift).</source>
        <translation>Corrigi-los agora? Um movimento dos ponteiros fora do intervalo passa a ser contínuo, um indicador de data acima de 1 passa a ser 1, e regras de horário de verão fora do intervalo voltam aos valores padrão (sem desvio de horário de verão).</translation>
    </message>
    <message>
        <source>A time zone bias or daylight saving shift beyond 24 hours is not corrected here: set them with Time Zone and Daylight Savings Time.</source>
        <translation>Um desvio de fuso horário ou de horário de verão acima de 24 horas não é corrigido aqui: ajuste-os em “Fuso horário” e “Horário de verão”.</translation>
    </message>
    <message>
        <source>The clock&apos;s configuration was corrected.</source>
        <translation>A configuração do relógio foi corrigida.</translation>
    </message>
    <message>
        <source>See users manual for supported date encoding formats.</source>
        <translation>Consulte no manual do usuário os formatos de data aceitos.</translation>
    </message>
    <message>
        <source>Use date information encoded in time code</source>
        <translation>Usar a data contida no código de tempo</translation>
    </message>
    <message>
        <source>Do not use date information encoded in time code</source>
        <translation>Não usar a data contida no código de tempo</translation>
    </message>
    <message>
        <source>Daylight Bias</source>
        <translation>Desvio do horário de verão</translation>
    </message>
    <message>
        <source>Disable daylight time</source>
        <translation>Sem horário de verão</translation>
    </message>
    <message>
        <source>Time reference for daylight savings time shift</source>
        <translation>Referência de hora para a mudança de horário de verão</translation>
    </message>
    <message>
        <source>Use UTC instead of local time</source>
        <translation>Usar UTC em vez da hora local</translation>
    </message>
    <message>
        <source>Daylight savings time start</source>
        <translation>Início do horário de verão</translation>
    </message>
    <message>
        <source>Daylight savings time end</source>
        <translation>Fim do horário de verão</translation>
    </message>
    <message>
        <source>First</source>
        <extracomment>Which week of the month a change falls in; radio buttons in a narrow column.</extracomment>
        <translation>Primeira</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segunda</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Terceira</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Quarta</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Absolute</source>
        <extracomment>A change on a fixed date rather than a week of the month; radio button in a narrow column.</extracomment>
        <translation>Data fixa</translation>
    </message>
    <message>
        <source>Day of week:</source>
        <extracomment>Caption left of a list, 48 dialog units wide; keep it short.</extracomment>
        <translation>Dia da sem.:</translation>
    </message>
    <message>
        <source>Month:</source>
        <extracomment>Caption left of a list, 48 dialog units wide; keep it short.</extracomment>
        <translation>Mês:</translation>
    </message>
    <message>
        <source>Day of month:</source>
        <extracomment>Caption left of a field, 48 dialog units wide; keep it short.</extracomment>
        <translation>Dia do mês:</translation>
    </message>
    <message>
        <source>Time:</source>
        <extracomment>Caption left of the time fields, 48 dialog units wide; keep it short.</extracomment>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>US/Canada Standard</source>
        <translation>Padrão EUA/Canadá</translation>
    </message>
    <message>
        <source>&amp;EU standard</source>
        <translation>Padrão &amp;UE</translation>
    </message>
    <message>
        <source>&amp;US/Canada Standard pre 2007</source>
        <translation>Padrão &amp;EUA/Canadá antes de 2007</translation>
    </message>
    <message>
        <source>spin of the bias fields</source>
        <translation>botões de ajuste dos campos do desvio</translation>
    </message>
    <message>
        <source>frame of the bias time fields</source>
        <translation>moldura dos campos do desvio</translation>
    </message>
    <message>
        <source>start hour</source>
        <translation>início: horas</translation>
    </message>
    <message>
        <source>start minute</source>
        <translation>início: minutos</translation>
    </message>
    <message>
        <source>start second</source>
        <translation>início: segundos</translation>
    </message>
    <message>
        <source>spin of the start time fields</source>
        <translation>botões de ajuste da hora de início</translation>
    </message>
    <message>
        <source>frame of the start time fields</source>
        <translation>moldura da hora de início</translation>
    </message>
    <message>
        <source>start day of week</source>
        <translation>início: dia da semana</translation>
    </message>
    <message>
        <source>start month</source>
        <translation>início: mês</translation>
    </message>
    <message>
        <source>start day of month</source>
        <translation>início: dia do mês</translation>
    </message>
    <message>
        <source>end hour</source>
        <translation>fim: horas</translation>
    </message>
    <message>
        <source>end minute</source>
        <translation>fim: minutos</translation>
    </message>
    <message>
        <source>end second</source>
        <translation>fim: segundos</translation>
    </message>
    <message>
        <source>spin of the end time fields</source>
        <translation>botões de ajuste da hora de fim</translation>
    </message>
    <message>
        <source>frame of the end time fields</source>
        <translation>moldura da hora de fim</translation>
    </message>
    <message>
        <source>end day of week</source>
        <translation>fim: dia da semana</translation>
    </message>
    <message>
        <source>end month</source>
        <translation>fim: mês</translation>
    </message>
    <message>
        <source>end day of month</source>
        <translation>fim: dia do mês</translation>
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
        <translation>hora de início</translation>
    </message>
    <message>
        <source>end time</source>
        <translation>hora de fim</translation>
    </message>
    <message>
        <source>next changes</source>
        <translation>próximas mudanças de horário</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The day of a change on the year strip: %1 the day of the month, %2 the month&apos;s short name (&quot;28 Mar&quot;); keep it short.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>daylight saving over the coming year</source>
        <translation>horário de verão no próximo ano</translation>
    </message>
    <message>
        <source>Daylight Savings Time from a Time Zone</source>
        <translation>Horário de verão de um fuso horário</translation>
    </message>
    <message>
        <source>Choose the time zone whose daylight savings time rules the clock should follow.</source>
        <translation>Escolha o fuso horário cujas regras de horário de verão o relógio deve seguir.</translation>
    </message>
    <message>
        <source>time zones</source>
        <translation>fusos horários</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>First USB bridge found</source>
        <translation>Primeira ponte USB encontrada</translation>
    </message>
    <message>
        <source>No USB bridge found</source>
        <translation>Nenhuma ponte USB encontrada</translation>
    </message>
    <message>
        <source> (not found)</source>
        <extracomment>After the name of a chosen device that is not attached now; starts with a space.</extracomment>
        <translation> (não encontrado)</translation>
    </message>
    <message>
        <source>This clock has no illumination: its firmware (%1) speaks protocol version 1.</source>
        <translation>Este relógio não tem iluminação: seu firmware (%1) usa a versão 1 do protocolo.</translation>
    </message>
    <message>
        <source>Month: enter a month from 1 to 12.</source>
        <translation>Mês: informe um mês de 1 a 12.</translation>
    </message>
    <message>
        <source>Year: enter a year from %1 to %2.</source>
        <extracomment>%1 and %2: the first and last year the clock counts right.</extracomment>
        <translation>Ano: informe um ano de %1 a %2.</translation>
    </message>
    <message>
        <source>Day: %1 %2 has %3 days; enter 1 to %3.</source>
        <extracomment>%1 the month&apos;s name (&quot;April&quot;), %2 the year, %3 its number of days.</extracomment>
        <translation>Dia: %1 de %2 tem %3 dias; informe de 1 a %3.</translation>
    </message>
    <message>
        <source>choose a week (First to Last) or Absolute.</source>
        <translation>escolha uma semana (Primeira a Última) ou Data fixa.</translation>
    </message>
    <message>
        <source>choose Absolute in both groups or a week in both.</source>
        <translation>escolha Data fixa nos dois grupos ou uma semana nos dois.</translation>
    </message>
    <message>
        <source>choose a day of the week.</source>
        <translation>escolha um dia da semana.</translation>
    </message>
    <message>
        <source>choose a month.</source>
        <translation>escolha um mês.</translation>
    </message>
    <message>
        <source>type a day of the month from 1 to 31.</source>
        <translation>digite um dia do mês de 1 a 31.</translation>
    </message>
    <message>
        <source>%1 has %2 days.</source>
        <translation>%1 tem %2 dias.</translation>
    </message>
    <message>
        <source>type an hour from 0 to 24.</source>
        <translation>digite uma hora de 0 a 24.</translation>
    </message>
    <message>
        <source>type a minute from 0 to 60.</source>
        <translation>digite um minuto de 0 a 60.</translation>
    </message>
    <message>
        <source>type a second from 0 to 60.</source>
        <translation>digite um segundo de 0 a 60.</translation>
    </message>
    <message>
        <source>Daylight Savings Time Configuration</source>
        <translation>Configuração do horário de verão</translation>
    </message>
    <message>
        <source>Daylight savings time shift reference</source>
        <translation>Referência da mudança de horário de verão</translation>
    </message>
    <message>
        <source>Current &amp;System Setting</source>
        <translation>Configuração do &amp;sistema</translation>
    </message>
    <message>
        <source>From Zone...</source>
        <translation>De um fuso...</translation>
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
        <translation>lá o horário de verão começa em %1</translation>
    </message>
    <message>
        <source>there daylight time ends on %1</source>
        <translation>lá o horário de verão termina em %1</translation>
    </message>
    <message>
        <source>with these rules daylight time starts on %1</source>
        <translation>com estas regras o horário de verão começa em %1</translation>
    </message>
    <message>
        <source>with these rules daylight time ends on %1</source>
        <translation>com estas regras o horário de verão termina em %1</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is not in this computer&apos;s time zone data.</source>
        <translation>O fuso horário “%1” não está nos dados de fusos horários deste computador.</translation>
    </message>
    <message>
        <source>%1 has no daylight saving time; &quot;Disable daylight time&quot; turns it off on the clock.</source>
        <translation>%1 não tem horário de verão; “Sem horário de verão” o desativa no relógio.</translation>
    </message>
    <message>
        <source>Daylight time off</source>
        <translation>Horário de verão desativado</translation>
    </message>
    <message>
        <source>No change: daylight time starts and ends at the same moment.</source>
        <translation>Sem mudança: o horário de verão começa e termina no mesmo instante.</translation>
    </message>
    <message>
        <source>Next: %1, %2</source>
        <translation>Próximas: %1, %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Próxima: %1</translation>
    </message>
    <message>
        <source>Agrees with %1, which has no daylight saving time.</source>
        <translation>Coincide com %1, que não tem horário de verão.</translation>
    </message>
    <message>
        <source>Agrees with %1 in the time zone data over the next ten years.</source>
        <translation>Coincide com %1 dos dados de fusos horários nos próximos dez anos.</translation>
    </message>
    <message>
        <source>there nothing changes</source>
        <translation>lá nada muda</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>with these rules nothing changes</source>
        <translation>com estas regras nada muda</translation>
    </message>
    <message>
        <source>from %1 UTC the zone&apos;s time is %2, the clock&apos;s %3</source>
        <translation>a partir de %1 UTC a hora do fuso é %2, a do relógio %3</translation>
    </message>
    <message>
        <source>the clock&apos;s time zone bias is %1, the zone&apos;s standard time %2</source>
        <translation>o desvio do fuso horário do relógio é %1, a hora padrão do fuso %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Differs from %1 in the time zone data: %2.</source>
        <translation>Difere de %1 dos dados de fusos horários: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <extracomment>A day of a month, &quot;21 March&quot;, inside a longer phrase (&quot;the Sunday on or after 21 March&quot;): %1 the month&apos;s name, %2 the day, no article. The form for one lets the language write the first of the month (&quot;1er mars&quot;, &quot;1. März&quot;).</extracomment>
        <translation>
            <numerusform>%2º de %1</numerusform>
            <numerusform>%2 de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 UTC</source>
        <extracomment>The day and time of a change (&quot;the last Sunday of March at 01:00 UTC&quot;): %1 the day with its preposition, %2 the time. The form for one is for the hour 1 (Spanish &quot;a la 01:00&quot;, &quot;a las 02:00&quot;).</extracomment>
        <translation>
            <numerusform>%1 à %2 UTC</numerusform>
            <numerusform>%1 às %2 UTC</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 at %2 local time</source>
        <translation>
            <numerusform>%1 à %2, hora local</numerusform>
            <numerusform>%1 às %2, hora local</numerusform>
        </translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>sexta-feira</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dezembro</translation>
    </message>
    <message>
        <source>%1, %2, %3 and later years</source>
        <translation>%1, %2, %3 e anos seguintes</translation>
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
        <translation>%1 hora local</translation>
    </message>
    <message>
        <source>The clock cannot follow the start exactly: %1 starts daylight time on %2, and %3 differs in %4 (%5 there, %6 on the clock).</source>
        <extracomment>%1 the zone, %2 the day it changes on with its preposition (&quot;on the Sunday on or after 8 March&quot;), %3 the clock&apos;s day as the subject (&quot;the last Sunday of March&quot;), %4 the years (&quot;2027 and 2028&quot;), %5 and %6 a day and time there and on the clock.</extracomment>
        <translation>O relógio não consegue seguir exatamente o início: no fuso %1 o horário de verão começa %2, mas %3 difere (anos: %4; lá %5, no relógio %6).</translation>
    </message>
    <message>
        <source>The clock cannot follow the end exactly: %1 ends daylight time on %2, and %3 differs in %4 (%5 there, %6 on the clock).</source>
        <translation>O relógio não consegue seguir exatamente o fim: no fuso %1 o horário de verão termina %2, mas %3 difere (anos: %4; lá %5, no relógio %6).</translation>
    </message>
    <message>
        <source>The clock cannot follow the start exactly: %1 differs from %2 in %3 (%4 there, %5 on the clock).</source>
        <extracomment>%1 the clock&apos;s day as the subject (&quot;the last Sunday of March&quot;), %2 the zone, %3 the years (&quot;2027 and 2028&quot;), %4 and %5 a day and time there and on the clock.</extracomment>
        <translation>O relógio não consegue seguir exatamente o início: %1 difere do fuso %2 (anos: %3; lá %4, no relógio %5).</translation>
    </message>
    <message>
        <source>The clock cannot follow the end exactly: %1 differs from %2 in %3 (%4 there, %5 on the clock).</source>
        <translation>O relógio não consegue seguir exatamente o fim: %1 difere do fuso %2 (anos: %3; lá %4, no relógio %5).</translation>
    </message>
    <message>
        <source>%1 has no daylight saving time: &quot;Disable daylight time&quot; is ticked, so the clock keeps standard time all year.</source>
        <translation>%1 não tem horário de verão: “Sem horário de verão” está marcado, então o relógio mantém a hora padrão o ano todo.</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is not in this computer&apos;s time zone data; nothing was imported.</source>
        <translation>O fuso horário “%1” não está nos dados de fusos horários deste computador; nada foi importado.</translation>
    </message>
    <message>
        <source>Imported the rules of %1: daylight time starts on %2 and ends on %3.</source>
        <extracomment>%1 the zone, %2 and %3 the days and times of the changes with their prepositions (&quot;on the last Sunday of March at 01:00 UTC&quot;): write no preposition before them.</extracomment>
        <translation>Regras de %1 importadas: o horário de verão começa %2 e termina %3.</translation>
    </message>
    <message>
        <source>Daylight time moves the clock %1 back.</source>
        <translation>O horário de verão atrasa o relógio em %1.</translation>
    </message>
    <message>
        <source>Daylight time moves the clock %1 forward.</source>
        <translation>O horário de verão adianta o relógio em %1.</translation>
    </message>
    <message>
        <source>Local times are those the clock shows just before each change.</source>
        <translation>As horas locais são as que o relógio mostra logo antes de cada mudança.</translation>
    </message>
    <message>
        <source>The time zone data does not confirm whether the changes follow UTC or local time; local time is used.</source>
        <translation>Os dados de fusos horários não confirmam se as mudanças seguem o UTC ou a hora local; a hora local é usada.</translation>
    </message>
    <message>
        <source>The zone&apos;s shift varies over the years; the clock keeps %1.</source>
        <translation>O desvio do horário de verão do fuso varia ao longo dos anos; o relógio mantém %1.</translation>
    </message>
    <message>
        <source>The zone also changes its standard time on %1 UTC; the clock&apos;s time zone bias does not follow.</source>
        <translation>O fuso também muda sua hora padrão em %1 UTC; o desvio do fuso horário do relógio não acompanha.</translation>
    </message>
    <message>
        <source>This computer names no time zone; nothing was imported.</source>
        <translation>Este computador não indica nenhum fuso horário; nada foi importado.</translation>
    </message>
    <message>
        <source>about %1 s</source>
        <translation>cerca de %1 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>measuring</source>
        <translation>medindo</translation>
    </message>
    <message>
        <source>Clock vs this computer: %1</source>
        <translation>Relógio em relação a este computador: %1</translation>
    </message>
    <message>
        <source>No time code</source>
        <translation>Sem código de tempo</translation>
    </message>
    <message>
        <source>IRIG-B : pulse width modulated</source>
        <translation>IRIG-B : modulado por largura de pulso</translation>
    </message>
    <message>
        <source>IRIG-B(1) : amplitude modulated</source>
        <translation>IRIG-B(1) : modulado em amplitude</translation>
    </message>
    <message>
        <source>Unknown time code</source>
        <translation>Código de tempo desconhecido</translation>
    </message>
    <message>
        <source>The clock on %1 sends damaged replies (bad checksum).</source>
        <translation>O relógio em %1 envia respostas corrompidas (checksum incorreto).</translation>
    </message>
    <message>
        <source>The clock on %1 sends damaged replies (bad checksum): %2</source>
        <translation>O relógio em %1 envia respostas corrompidas (checksum incorreto): %2</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies of the wrong length.</source>
        <translation>O relógio em %1 envia respostas de tamanho incorreto.</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies of the wrong length: %2</source>
        <translation>O relógio em %1 envia respostas de tamanho incorreto: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers with the reply to another command.</source>
        <translation>O relógio em %1 responde com a resposta a outro comando.</translation>
    </message>
    <message>
        <source>The clock on %1 answers with the reply to another command: %2</source>
        <translation>O relógio em %1 responde com a resposta a outro comando: %2</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies that cannot be read.</source>
        <translation>O relógio em %1 envia respostas ilegíveis.</translation>
    </message>
    <message>
        <source>The clock on %1 sends replies that cannot be read: %2</source>
        <translation>O relógio em %1 envia respostas ilegíveis: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers ACK where a reply belongs.</source>
        <translation>O relógio em %1 responde ACK onde deveria vir uma resposta.</translation>
    </message>
    <message>
        <source>The clock on %1 answers ACK where a reply belongs: %2</source>
        <translation>O relógio em %1 responde ACK onde deveria vir uma resposta: %2</translation>
    </message>
    <message>
        <source>The clock on %1 answers NAK: it did not take the command.</source>
        <translation>O relógio em %1 responde NAK: não aceitou o comando.</translation>
    </message>
    <message>
        <source>The clock on %1 answers NAK: it did not take the command: %2</source>
        <translation>O relógio em %1 responde NAK: não aceitou o comando: %2</translation>
    </message>
    <message>
        <source>The clock does not answer: %1</source>
        <translation>O relógio não responde: %1</translation>
    </message>
    <message>
        <source>The clock on %1 stopped answering.</source>
        <translation>O relógio em %1 parou de responder.</translation>
    </message>
    <message>
        <source>No clock answers on %1: check that the clock is powered and connected.</source>
        <translation>Nenhum relógio responde em %1: verifique se o relógio está ligado e conectado.</translation>
    </message>
    <message>
        <source>Looking for the clock on %1 ...</source>
        <translation>Procurando o relógio em %1...</translation>
    </message>
    <message>
        <source>Clock is offline</source>
        <translation>Relógio desconectado</translation>
    </message>
    <message>
        <source>Failed reading Family ID</source>
        <translation>Falha ao ler o ID da família</translation>
    </message>
    <message>
        <source>Failed reading CPU type</source>
        <translation>Falha ao ler o tipo de CPU</translation>
    </message>
    <message>
        <source>Failed reading firmware version</source>
        <translation>Falha ao ler a versão do firmware</translation>
    </message>
    <message>
        <source>Failed reading Serial Number</source>
        <translation>Falha ao ler o número de série</translation>
    </message>
    <message>
        <source>Failed reading current time</source>
        <translation>Falha ao ler a hora atual</translation>
    </message>
    <message>
        <source>Failed reading clock configuration</source>
        <translation>Falha ao ler a configuração do relógio</translation>
    </message>
    <message>
        <source>Failed reading display hardware configuration</source>
        <translation>Falha ao ler a configuração de hardware do display</translation>
    </message>
    <message>
        <source>Failed reading display configuration</source>
        <translation>Falha ao ler a configuração do display</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Erro de comunicação</translation>
    </message>
    <message>
        <source>Kerovant&apos;s udev rule (%1) gives the user at the desktop access to the clock: install it (the kerovant package does), then plug the clock in again.</source>
        <translation>A regra udev do Kerovant (%1) dá ao usuário da sessão gráfica acesso ao relógio: instale-a (o pacote kerovant faz isso) e depois conecte o relógio novamente.</translation>
    </message>
    <message>
        <source>Permission denied on %1. %2</source>
        <translation>Permissão negada em %1. %2</translation>
    </message>
    <message>
        <source>Permission denied on %1: join the group &apos;%2&apos; (for example: sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>Permissão negada em %1: entre no grupo “%2” (por exemplo: sudo usermod -aG %2 $USER) e depois encerre a sessão e entre novamente.</translation>
    </message>
    <message>
        <source>only the administrator may read and write it</source>
        <translation>somente o administrador pode lê-lo e gravá-lo</translation>
    </message>
    <message>
        <source>only root may read and write it</source>
        <translation>somente o root pode lê-lo e gravá-lo</translation>
    </message>
    <message>
        <source>only its owner, the user &apos;%1&apos;, may read and write it</source>
        <translation>somente seu proprietário, o usuário “%1”, pode lê-lo e gravá-lo</translation>
    </message>
    <message>
        <source>only its owner, user ID %1, may read and write it</source>
        <translation>somente seu proprietário, o usuário de ID %1, pode lê-lo e gravá-lo</translation>
    </message>
    <message>
        <source>Permission denied on %1: %2. %3</source>
        <translation>Permissão negada em %1: %2. %3</translation>
    </message>
    <message>
        <source>%1 is in use by another program: close that program and try again.</source>
        <translation>%1 está em uso por outro programa: feche esse programa e tente novamente.</translation>
    </message>
    <message>
        <source>a program (process %1)</source>
        <translation>um programa (processo %1)</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (processo %2)</translation>
    </message>
    <message>
        <source>%1 is in use by %2. Kerovant&apos;s udev rule (%3) tells ModemManager to leave the clock alone: install it (the kerovant package does), then plug the clock in again.</source>
        <translation>%1 está em uso por %2. A regra udev do Kerovant (%3) instrui o ModemManager a não mexer no relógio: instale-a (o pacote kerovant faz isso) e depois conecte o relógio novamente.</translation>
    </message>
    <message>
        <source>%1 is in use by %2: close that program and try again.</source>
        <translation>%1 está em uso por %2: feche esse programa e tente novamente.</translation>
    </message>
    <message>
        <source>The USB port has not been opened yet.</source>
        <translation>A porta USB ainda não foi aberta.</translation>
    </message>
    <message>
        <source>Connected through %1.</source>
        <translation>Conectado por %1.</translation>
    </message>
    <message>
        <source>No USB bridge found: check that the clock&apos;s USB cable is plugged in.</source>
        <translation>Nenhuma ponte USB encontrada: verifique se o cabo USB do relógio está conectado.</translation>
    </message>
    <message>
        <source>Device %1 does not exist: check the cable and the device name.</source>
        <translation>O dispositivo %1 não existe: verifique o cabo e o nome do dispositivo.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 não é um dispositivo serial.</translation>
    </message>
    <message>
        <source>%1 was unplugged.</source>
        <translation>%1 foi desconectado.</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>Não foi possível abrir %1.</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4 %5</source>
        <extracomment>A day and time, &quot;Sun 28 Mar 2027 01:00&quot;: %1 the weekday&apos;s short name, %2 the day of the month, %3 the month&apos;s short name, %4 the year, %5 the time. Order and punctuation as the language writes a date.</extracomment>
        <translation>%1, %2 %3 %4 %5</translation>
    </message>
    <message>
        <source>The clock acknowledged it, but the connection was lost before it could be confirmed. It is checked when the clock is back; you are told only if the clock holds other values.</source>
        <translation>O relógio confirmou o recebimento, mas a conexão foi perdida antes que pudesse ser verificado. Será verificado quando o relógio voltar; você só será avisado se o relógio contiver valores diferentes.</translation>
    </message>
    <message>
        <source>The clock is not connected. Setting goes on once the same clock is back.</source>
        <translation>O relógio não está conectado. O ajuste continua quando o mesmo relógio voltar.</translation>
    </message>
    <message>
        <source>the first Sunday %1</source>
        <comment>subject</comment>
        <extracomment>A week&apos;s weekday of a month standing as the subject of a sentence (&quot;the last Sunday of March differs in 2027&quot;), %1 the month with its &quot;of&quot; (&quot;of March&quot;). The ordinal agrees with the weekday: one message for each week and weekday.</extracomment>
        <translation>o primeiro domingo %1</translation>
    </message>
    <message>
        <source>the first Monday %1</source>
        <comment>subject</comment>
        <translation>a primeira segunda-feira %1</translation>
    </message>
    <message>
        <source>the first Tuesday %1</source>
        <comment>subject</comment>
        <translation>a primeira terça-feira %1</translation>
    </message>
    <message>
        <source>the first Wednesday %1</source>
        <comment>subject</comment>
        <translation>a primeira quarta-feira %1</translation>
    </message>
    <message>
        <source>the first Thursday %1</source>
        <comment>subject</comment>
        <translation>a primeira quinta-feira %1</translation>
    </message>
    <message>
        <source>the first Friday %1</source>
        <comment>subject</comment>
        <translation>a primeira sexta-feira %1</translation>
    </message>
    <message>
        <source>the first Saturday %1</source>
        <comment>subject</comment>
        <translation>o primeiro sábado %1</translation>
    </message>
    <message>
        <source>the second Sunday %1</source>
        <comment>subject</comment>
        <translation>o segundo domingo %1</translation>
    </message>
    <message>
        <source>the second Monday %1</source>
        <comment>subject</comment>
        <translation>a segunda segunda-feira %1</translation>
    </message>
    <message>
        <source>the second Tuesday %1</source>
        <comment>subject</comment>
        <translation>a segunda terça-feira %1</translation>
    </message>
    <message>
        <source>the second Wednesday %1</source>
        <comment>subject</comment>
        <translation>a segunda quarta-feira %1</translation>
    </message>
    <message>
        <source>the second Thursday %1</source>
        <comment>subject</comment>
        <translation>a segunda quinta-feira %1</translation>
    </message>
    <message>
        <source>the second Friday %1</source>
        <comment>subject</comment>
        <translation>a segunda sexta-feira %1</translation>
    </message>
    <message>
        <source>the second Saturday %1</source>
        <comment>subject</comment>
        <translation>o segundo sábado %1</translation>
    </message>
    <message>
        <source>the third Sunday %1</source>
        <comment>subject</comment>
        <translation>o terceiro domingo %1</translation>
    </message>
    <message>
        <source>the third Monday %1</source>
        <comment>subject</comment>
        <translation>a terceira segunda-feira %1</translation>
    </message>
    <message>
        <source>the third Tuesday %1</source>
        <comment>subject</comment>
        <translation>a terceira terça-feira %1</translation>
    </message>
    <message>
        <source>the third Wednesday %1</source>
        <comment>subject</comment>
        <translation>a terceira quarta-feira %1</translation>
    </message>
    <message>
        <source>the third Thursday %1</source>
        <comment>subject</comment>
        <translation>a terceira quinta-feira %1</translation>
    </message>
    <message>
        <source>the third Friday %1</source>
        <comment>subject</comment>
        <translation>a terceira sexta-feira %1</translation>
    </message>
    <message>
        <source>the third Saturday %1</source>
        <comment>subject</comment>
        <translation>o terceiro sábado %1</translation>
    </message>
    <message>
        <source>the fourth Sunday %1</source>
        <comment>subject</comment>
        <translation>o quarto domingo %1</translation>
    </message>
    <message>
        <source>the fourth Monday %1</source>
        <comment>subject</comment>
        <translation>a quarta segunda-feira %1</translation>
    </message>
    <message>
        <source>the fourth Tuesday %1</source>
        <comment>subject</comment>
        <translation>a quarta terça-feira %1</translation>
    </message>
    <message>
        <source>the fourth Wednesday %1</source>
        <comment>subject</comment>
        <translation>a quarta quarta-feira %1</translation>
    </message>
    <message>
        <source>the fourth Thursday %1</source>
        <comment>subject</comment>
        <translation>a quarta quinta-feira %1</translation>
    </message>
    <message>
        <source>the fourth Friday %1</source>
        <comment>subject</comment>
        <translation>a quarta sexta-feira %1</translation>
    </message>
    <message>
        <source>the fourth Saturday %1</source>
        <comment>subject</comment>
        <translation>o quarto sábado %1</translation>
    </message>
    <message>
        <source>the last Sunday %1</source>
        <comment>subject</comment>
        <translation>o último domingo %1</translation>
    </message>
    <message>
        <source>the last Monday %1</source>
        <comment>subject</comment>
        <translation>a última segunda-feira %1</translation>
    </message>
    <message>
        <source>the last Tuesday %1</source>
        <comment>subject</comment>
        <translation>a última terça-feira %1</translation>
    </message>
    <message>
        <source>the last Wednesday %1</source>
        <comment>subject</comment>
        <translation>a última quarta-feira %1</translation>
    </message>
    <message>
        <source>the last Thursday %1</source>
        <comment>subject</comment>
        <translation>a última quinta-feira %1</translation>
    </message>
    <message>
        <source>the last Friday %1</source>
        <comment>subject</comment>
        <translation>a última sexta-feira %1</translation>
    </message>
    <message>
        <source>the last Saturday %1</source>
        <comment>subject</comment>
        <translation>o último sábado %1</translation>
    </message>
    <message>
        <source>the first Sunday %1</source>
        <comment>on a day</comment>
        <extracomment>The day something happens on (&quot;daylight time starts on the last Sunday of March&quot;), %1 the month with its &quot;of&quot; (&quot;of March&quot;). Write the preposition and case the day takes here (&quot;am letzten Sonntag&quot;, &quot;no último domingo&quot;), or none; the sentence around it has none.</extracomment>
        <translation>no primeiro domingo %1</translation>
    </message>
    <message>
        <source>the first Monday %1</source>
        <comment>on a day</comment>
        <translation>na primeira segunda-feira %1</translation>
    </message>
    <message>
        <source>the first Tuesday %1</source>
        <comment>on a day</comment>
        <translation>na primeira terça-feira %1</translation>
    </message>
    <message>
        <source>the first Wednesday %1</source>
        <comment>on a day</comment>
        <translation>na primeira quarta-feira %1</translation>
    </message>
    <message>
        <source>the first Thursday %1</source>
        <comment>on a day</comment>
        <translation>na primeira quinta-feira %1</translation>
    </message>
    <message>
        <source>the first Friday %1</source>
        <comment>on a day</comment>
        <translation>na primeira sexta-feira %1</translation>
    </message>
    <message>
        <source>the first Saturday %1</source>
        <comment>on a day</comment>
        <translation>no primeiro sábado %1</translation>
    </message>
    <message>
        <source>the second Sunday %1</source>
        <comment>on a day</comment>
        <translation>no segundo domingo %1</translation>
    </message>
    <message>
        <source>the second Monday %1</source>
        <comment>on a day</comment>
        <translation>na segunda segunda-feira %1</translation>
    </message>
    <message>
        <source>the second Tuesday %1</source>
        <comment>on a day</comment>
        <translation>na segunda terça-feira %1</translation>
    </message>
    <message>
        <source>the second Wednesday %1</source>
        <comment>on a day</comment>
        <translation>na segunda quarta-feira %1</translation>
    </message>
    <message>
        <source>the second Thursday %1</source>
        <comment>on a day</comment>
        <translation>na segunda quinta-feira %1</translation>
    </message>
    <message>
        <source>the second Friday %1</source>
        <comment>on a day</comment>
        <translation>na segunda sexta-feira %1</translation>
    </message>
    <message>
        <source>the second Saturday %1</source>
        <comment>on a day</comment>
        <translation>no segundo sábado %1</translation>
    </message>
    <message>
        <source>the third Sunday %1</source>
        <comment>on a day</comment>
        <translation>no terceiro domingo %1</translation>
    </message>
    <message>
        <source>the third Monday %1</source>
        <comment>on a day</comment>
        <translation>na terceira segunda-feira %1</translation>
    </message>
    <message>
        <source>the third Tuesday %1</source>
        <comment>on a day</comment>
        <translation>na terceira terça-feira %1</translation>
    </message>
    <message>
        <source>the third Wednesday %1</source>
        <comment>on a day</comment>
        <translation>na terceira quarta-feira %1</translation>
    </message>
    <message>
        <source>the third Thursday %1</source>
        <comment>on a day</comment>
        <translation>na terceira quinta-feira %1</translation>
    </message>
    <message>
        <source>the third Friday %1</source>
        <comment>on a day</comment>
        <translation>na terceira sexta-feira %1</translation>
    </message>
    <message>
        <source>the third Saturday %1</source>
        <comment>on a day</comment>
        <translation>no terceiro sábado %1</translation>
    </message>
    <message>
        <source>the fourth Sunday %1</source>
        <comment>on a day</comment>
        <translation>no quarto domingo %1</translation>
    </message>
    <message>
        <source>the fourth Monday %1</source>
        <comment>on a day</comment>
        <translation>na quarta segunda-feira %1</translation>
    </message>
    <message>
        <source>the fourth Tuesday %1</source>
        <comment>on a day</comment>
        <translation>na quarta terça-feira %1</translation>
    </message>
    <message>
        <source>the fourth Wednesday %1</source>
        <comment>on a day</comment>
        <translation>na quarta quarta-feira %1</translation>
    </message>
    <message>
        <source>the fourth Thursday %1</source>
        <comment>on a day</comment>
        <translation>na quarta quinta-feira %1</translation>
    </message>
    <message>
        <source>the fourth Friday %1</source>
        <comment>on a day</comment>
        <translation>na quarta sexta-feira %1</translation>
    </message>
    <message>
        <source>the fourth Saturday %1</source>
        <comment>on a day</comment>
        <translation>no quarto sábado %1</translation>
    </message>
    <message>
        <source>the last Sunday %1</source>
        <comment>on a day</comment>
        <translation>no último domingo %1</translation>
    </message>
    <message>
        <source>the last Monday %1</source>
        <comment>on a day</comment>
        <translation>na última segunda-feira %1</translation>
    </message>
    <message>
        <source>the last Tuesday %1</source>
        <comment>on a day</comment>
        <translation>na última terça-feira %1</translation>
    </message>
    <message>
        <source>the last Wednesday %1</source>
        <comment>on a day</comment>
        <translation>na última quarta-feira %1</translation>
    </message>
    <message>
        <source>the last Thursday %1</source>
        <comment>on a day</comment>
        <translation>na última quinta-feira %1</translation>
    </message>
    <message>
        <source>the last Friday %1</source>
        <comment>on a day</comment>
        <translation>na última sexta-feira %1</translation>
    </message>
    <message>
        <source>the last Saturday %1</source>
        <comment>on a day</comment>
        <translation>no último sábado %1</translation>
    </message>
    <message>
        <source>of January</source>
        <extracomment>A month after a week&apos;s weekday (&quot;the last Sunday&quot; + &quot;of October&quot;), with the word that joins them: &quot;d&apos;octobre&quot; where French elides, &quot;im Oktober&quot; in German.</extracomment>
        <translation>de janeiro</translation>
    </message>
    <message>
        <source>of February</source>
        <translation>de fevereiro</translation>
    </message>
    <message>
        <source>of March</source>
        <translation>de março</translation>
    </message>
    <message>
        <source>of April</source>
        <translation>de abril</translation>
    </message>
    <message>
        <source>of May</source>
        <translation>de maio</translation>
    </message>
    <message>
        <source>of June</source>
        <translation>de junho</translation>
    </message>
    <message>
        <source>of July</source>
        <translation>de julho</translation>
    </message>
    <message>
        <source>of August</source>
        <translation>de agosto</translation>
    </message>
    <message>
        <source>of September</source>
        <translation>de setembro</translation>
    </message>
    <message>
        <source>of October</source>
        <translation>de outubro</translation>
    </message>
    <message>
        <source>of November</source>
        <translation>de novembro</translation>
    </message>
    <message>
        <source>of December</source>
        <translation>de dezembro</translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <comment>subject</comment>
        <extracomment>A fixed day standing as the subject of a sentence (&quot;21 March differs in 2027&quot;): %1 the month&apos;s name, %2 the day of the month, with the article the language needs. The form for one lets the language write the first of the month (&quot;le 1er mars&quot;).</extracomment>
        <translation>
            <numerusform>o dia %2º de %1</numerusform>
            <numerusform>o dia %2 de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%2 %1</source>
        <comment>on a day</comment>
        <extracomment>The fixed day something happens on (&quot;daylight time starts on 21 March&quot;): %1 the month&apos;s name, %2 the day of the month. Write the preposition and case the day takes here (&quot;am 21. März&quot;), or none; the sentence around it has none. The form for one lets the language write the first of the month (&quot;le 1er mars&quot;).</extracomment>
        <translation>
            <numerusform>em %2º de %1</numerusform>
            <numerusform>em %2 de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the Sunday on or after %1</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on (&quot;starts on the Sunday on or after 8 March&quot;), %1 the day and month without an article (&quot;8 March&quot;). Write the preposition and case the day takes here (&quot;am ersten Sonntag ab dem %1&quot;), or none; the sentence around it has none.</extracomment>
        <translation>no primeiro domingo a partir do dia %1</translation>
    </message>
    <message>
        <source>the Monday on or after %1</source>
        <translation>na primeira segunda-feira a partir do dia %1</translation>
    </message>
    <message>
        <source>the Tuesday on or after %1</source>
        <translation>na primeira terça-feira a partir do dia %1</translation>
    </message>
    <message>
        <source>the Wednesday on or after %1</source>
        <translation>na primeira quarta-feira a partir do dia %1</translation>
    </message>
    <message>
        <source>the Thursday on or after %1</source>
        <translation>na primeira quinta-feira a partir do dia %1</translation>
    </message>
    <message>
        <source>the Friday on or after %1</source>
        <translation>na primeira sexta-feira a partir do dia %1</translation>
    </message>
    <message>
        <source>the Saturday on or after %1</source>
        <translation>no primeiro sábado a partir do dia %1</translation>
    </message>
    <message>
        <source>the Sunday on or before %1</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on (&quot;ends on the Sunday on or before 25 October&quot;), %1 the day and month without an article. Write the preposition and case the day takes here (&quot;am letzten Sonntag bis zum %1&quot;), or none.</extracomment>
        <translation>no último domingo até o dia %1</translation>
    </message>
    <message>
        <source>the Monday on or before %1</source>
        <translation>na última segunda-feira até o dia %1</translation>
    </message>
    <message>
        <source>the Tuesday on or before %1</source>
        <translation>na última terça-feira até o dia %1</translation>
    </message>
    <message>
        <source>the Wednesday on or before %1</source>
        <translation>na última quarta-feira até o dia %1</translation>
    </message>
    <message>
        <source>the Thursday on or before %1</source>
        <translation>na última quinta-feira até o dia %1</translation>
    </message>
    <message>
        <source>the Friday on or before %1</source>
        <translation>na última sexta-feira até o dia %1</translation>
    </message>
    <message>
        <source>the Saturday on or before %1</source>
        <translation>no último sábado até o dia %1</translation>
    </message>
    <message>
        <source>the Sunday of week %1 %2</source>
        <extracomment>The day a zone&apos;s daylight time starts or ends on: %1 the number of the week in the month, %2 the month with its &quot;of&quot; (&quot;of March&quot;). Write the preposition and case the day takes here, or none.</extracomment>
        <translation>no domingo da semana %1 %2</translation>
    </message>
    <message>
        <source>the Monday of week %1 %2</source>
        <translation>na segunda-feira da semana %1 %2</translation>
    </message>
    <message>
        <source>the Tuesday of week %1 %2</source>
        <translation>na terça-feira da semana %1 %2</translation>
    </message>
    <message>
        <source>the Wednesday of week %1 %2</source>
        <translation>na quarta-feira da semana %1 %2</translation>
    </message>
    <message>
        <source>the Thursday of week %1 %2</source>
        <translation>na quinta-feira da semana %1 %2</translation>
    </message>
    <message>
        <source>the Friday of week %1 %2</source>
        <translation>na sexta-feira da semana %1 %2</translation>
    </message>
    <message>
        <source>the Saturday of week %1 %2</source>
        <translation>no sábado da semana %1 %2</translation>
    </message>
    <message>
        <source>Permission denied on the clock&apos;s USB device. %1</source>
        <translation>Permissão negada no dispositivo USB do relógio. %1</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device is in use by another program: close that program and try again.</source>
        <translation>O dispositivo USB do relógio está em uso por outro programa: feche esse programa e tente novamente.</translation>
    </message>
    <message>
        <source>Connected through the clock&apos;s USB device.</source>
        <translation>Conectado pelo dispositivo USB do relógio.</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device was unplugged.</source>
        <translation>O dispositivo USB do relógio foi desconectado.</translation>
    </message>
    <message>
        <source>the clock&apos;s USB device could not be opened.</source>
        <translation>Não foi possível abrir o dispositivo USB do relógio.</translation>
    </message>
    <message>
        <source>Clock Configuration Utility</source>
        <extracomment>The product line of the About box before a clock is identified (and for a clock of no known brand); once identified, the brand&apos;s product name.</extracomment>
        <translation>Utilitário de configuração do relógio</translation>
    </message>
    <message>
        <source>not available</source>
        <extracomment>In place of the firmware version or serial number while no clock answers.</extracomment>
        <translation>não disponível</translation>
    </message>
    <message>
        <source>Clock Control</source>
        <extracomment>The window&apos;s title before a clock is identified (and for a clock of no known brand); once identified, the brand&apos;s product name.</extracomment>
        <translation>Controle do relógio</translation>
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
        <translation>seg</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>ter</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>qua</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>qui</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>sex</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sáb</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>A month&apos;s short name, under its month in the year strip: at most five characters, or the strip&apos;s names run into each other.</extracomment>
        <translation>jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>fev</translation>
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
        <translation>mai</translation>
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
        <translation>set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>out</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dez</translation>
    </message>
</context>
</TS>
