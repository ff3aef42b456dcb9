<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AboutDialog</name>
    <message>
        <source>O programu</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Rozpis heatů pro soutěže RC modelů.</source>
        <translation>Rozpis heatů pro soutěže RC modelů.</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Licence: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDataExchange</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Zadejte celé číslo.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Zadejte kladné celé číslo.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Zadejte celé číslo od %1 do %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Zadejte nejvýše %1 znaků.</translation>
    </message>
</context>
<context>
    <name>CDialog</name>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Zavřít	Alt+F4</translation>
    </message>
</context>
<context>
    <name>CFileException</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Soubor %1 neexistuje.</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist, or the path is not valid.</source>
        <translation>Složka souboru %1 neexistuje nebo cesta není platná.</translation>
    </message>
    <message>
        <source>Too many files are open to open %1.</source>
        <translation>Soubor %1 nelze otevřít: je otevřeno příliš mnoho souborů.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Přístup k souboru %1 byl odepřen.</translation>
    </message>
    <message>
        <source>%1 is a folder or a device, not a file.</source>
        <translation>%1 je složka nebo zařízení, ne soubor.</translation>
    </message>
    <message>
        <source>A device error occurred while reading or writing %1.</source>
        <translation>Při čtení nebo zápisu souboru %1 nastala chyba zařízení.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>Soubor %1 používá jiný program.</translation>
    </message>
    <message>
        <source>The disk is full: %1 could not be written completely.</source>
        <translation>Disk je plný: soubor %1 se nepodařilo zapsat celý.</translation>
    </message>
    <message>
        <source>%1 is too large to be a text file of this program.</source>
        <translation>Soubor %1 je příliš velký na textový soubor tohoto programu.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>Při práci se souborem %1 nastala neočekávaná chyba.</translation>
    </message>
    <message>
        <source>%1 could not be written completely: it would pass the size limit set for this program&apos;s files (ulimit -f).</source>
        <translation>Soubor %1 se nepodařilo zapsat celý: překročil by limit velikosti souborů nastavený pro tento program (ulimit -f).</translation>
    </message>
</context>
<context>
    <name>CPathDlg</name>
    <message>
        <source>Text Files (*.txt)|*.txt|Comma Separated Files (*.csv)|*.csv</source>
        <translation>Textové soubory (*.txt)|*.txt|Soubory oddělené čárkami (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt</source>
        <translation>Textové soubory (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; is longer than %2 characters. Choose a file whose path is shorter.</source>
        <translation>Cesta „%1“ je delší než %2 znaků. Vyberte soubor s kratší cestou.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>Soubor „%1“ už existuje. Chcete ho nahradit?</translation>
    </message>
    <message>
        <source>Comma Separated Files (*.csv)|*.csv</source>
        <translation>Soubory oddělené čárkami (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Web Pages (*.html)|*.html</source>
        <translation>Webové stránky (*.html)|*.html</translation>
    </message>
</context>
<context>
    <name>CRaceDlg</name>
    <message>
        <source>The translation of the window into this language is not installed. The window keeps its language.</source>
        <translation>Překlad okna do tohoto jazyka není nainstalován. Okno zůstává v dosavadním jazyce.</translation>
    </message>
    <message>
        <source>This Pilot is already in the list! It will not be added again.</source>
        <translation>Tento pilot už v seznamu je! Znovu přidán nebude.</translation>
    </message>
    <message>
        <source>The pilot list already holds %1 pilots, the most a schedule can take. No more pilots can be added.</source>
        <translation>Seznam pilotů už obsahuje %1 pilotů, víc jich rozpis nepojme. Další piloty nelze přidat.</translation>
    </message>
    <message>
        <source>You must select a pilot from the Pilots List before attempting to delete.</source>
        <translation>Před odstraněním musíte vybrat pilota v seznamu pilotů.</translation>
    </message>
    <message>
        <source>You must select a pilot from the Pilots List before attempting to edit one.</source>
        <translation>Před editováním musíte vybrat pilota v seznamu pilotů.</translation>
    </message>
    <message>
        <source>Printing could not start. Check that the printer is available, or that the PDF file can be written where you chose to save it.</source>
        <translation>Tisk se nepodařilo zahájit. Zkontrolujte, zda je tiskárna dostupná, nebo zda lze soubor PDF zapsat tam, kam jste ho zvolili uložit.</translation>
    </message>
    <message>
        <source>The printout could not be finished. Check the printer.</source>
        <translation>Tisk se nepodařilo dokončit. Zkontrolujte tiskárnu.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to print a Matrix.</source>
        <translation>Před tiskem Matrixu nejprve proveďte výpočet Matrixu.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to print Heat Cards.</source>
        <translation>Před tiskem karet heatů nejprve proveďte výpočet Matrixu.</translation>
    </message>
    <message>
        <source>%1 The pilot list was not changed.</source>
        <translation>%1 Seznam pilotů se nezměnil.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to export a Matrix.</source>
        <translation>Před exportem Matrixu nejprve proveďte výpočet Matrixu.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to export Heat Cards.</source>
        <translation>Před exportem karet heatů nejprve proveďte výpočet Matrixu.</translation>
    </message>
    <message>
        <source>print</source>
        <translation>vytisknout</translation>
    </message>
    <message>
        <source>The pilot list is empty. Add pilots or import a pilot list before calculating the matrix.</source>
        <translation>Seznam pilotů je prázdný. Před výpočtem Matrixu přidejte piloty nebo importujte seznam pilotů.</translation>
    </message>
    <message>
        <source>The matrix calculation failed; there is no schedule to export or print.</source>
        <translation>Výpočet Matrixu selhal; není žádný rozpis k exportu ani k tisku.</translation>
    </message>
    <message>
        <source>The pilot list has changed since the matrix was calculated.</source>
        <translation>Seznam pilotů se od výpočtu Matrixu změnil.</translation>
    </message>
    <message>
        <source>The last matrix calculation failed, so there is no schedule to %1. Recalculate the matrix first.</source>
        <translation>Poslední výpočet Matrixu selhal, takže nelze %1 žádný rozpis. Nejprve Matrix přepočítejte.</translation>
    </message>
    <message>
        <source>The pilot list has changed since the matrix was calculated. Do you want to %1 the schedule as it was calculated?</source>
        <translation>Seznam pilotů se od výpočtu Matrixu změnil. Chcete %1 rozpis tak, jak byl vypočítán?</translation>
    </message>
    <message>
        <source>export</source>
        <translation>exportovat</translation>
    </message>
    <message>
        <source>Most meetings %1 (bound %2), pairs never met %3 (bound %4)</source>
        <translation>Nejvíce setkání %1 (mez %2), dvojic bez setkání %3 (mez %4)</translation>
    </message>
    <message>
        <source> - Escape stops</source>
        <translation> - Escape výpočet zastaví</translation>
    </message>
    <message>
        <source> - stopped early</source>
        <translation> - zastaveno předčasně</translation>
    </message>
    <message>
        <source>A balanced calculation is running. Press Escape or Stop to end it first.</source>
        <translation>Běží vyvážený výpočet. Nejprve ho ukončete klávesou Escape nebo tlačítkem Zastavit.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to view the meeting statistics.</source>
        <translation>Před zobrazením statistiky setkání nejprve proveďte výpočet Matrixu.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to export the meeting statistics.</source>
        <translation>Před exportem statistiky setkání nejprve proveďte výpočet Matrixu.</translation>
    </message>
    <message>
        <source>, seed %1</source>
        <translation>, los %1</translation>
    </message>
    <message>
        <source>Kvorax contest (*.kvorax)|*.kvorax</source>
        <translation>Soutěž Kvorax (*.kvorax)|*.kvorax</translation>
    </message>
    <message>
        <source>The contest in the window was not changed.</source>
        <translation>Soutěž v okně se nezměnila.</translation>
    </message>
    <message>
        <source>The contest was saved to %1.</source>
        <translation>Soutěž byla uložena do %1.</translation>
    </message>
    <message>
        <source>Save the changes to the contest first?</source>
        <translation>Uložit nejprve změny soutěže?</translation>
    </message>
    <message numerus="yes">
        <source>The matrix was calculated for %n pilot (seed %1).</source>
        <translation>
            <numerusform>Matrix byl vypočítán pro %n pilota (los %1).</numerusform>
            <numerusform>Matrix byl vypočítán pro %n piloty (los %1).</numerusform>
            <numerusform>Matrix byl vypočítán pro %n pilotů (los %1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The matrix was calculated for %n pilots (seed %1).</source>
        <translation>
            <numerusform>Matrix byl vypočítán pro %n pilota (los %1).</numerusform>
            <numerusform>Matrix byl vypočítán pro %n piloty (los %1).</numerusform>
            <numerusform>Matrix byl vypočítán pro %n pilotů (los %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to export the schedule.</source>
        <translation>Před exportem rozpisu nejprve proveďte výpočet Matrixu.</translation>
    </message>
    <message>
        <source>&amp;Zpět: %1</source>
        <translation>&amp;Zpět: %1</translation>
    </message>
    <message>
        <source>Z&amp;novu: %1</source>
        <translation>Z&amp;novu: %1</translation>
    </message>
    <message>
        <source>Heaty</source>
        <translation>Heaty</translation>
    </message>
    <message>
        <source> - the best possible schedule</source>
        <translation> - nejlepší možný rozpis</translation>
    </message>
    <message>
        <source>The file was left as it was.</source>
        <translation>Soubor zůstal, jak byl.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>The printout could not be written completely to the file &quot;%1&quot;; the disk may be full.</source>
        <translation>Výtisk se nepodařilo celý zapsat do souboru „%1“; disk je možná plný.</translation>
    </message>
    <message>
        <source>The printout could not be written completely to the file &quot;%1&quot;: it would pass the size limit set for this program&apos;s files (ulimit -f).</source>
        <translation>Výtisk se nepodařilo celý zapsat do souboru „%1“: překročil by limit velikosti souborů nastavený pro tento program (ulimit -f).</translation>
    </message>
    <message>
        <source>Written to %1.</source>
        <translation>Uloženo do %1.</translation>
    </message>
    <message>
        <source>Sent to the printer %1.</source>
        <translation>Odesláno na tiskárnu %1.</translation>
    </message>
    <message>
        <source>Printed to %1.</source>
        <translation>Vytištěno do %1.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to print Heat Sheets.</source>
        <translation>Před tiskem startovních listin proveďte výpočet Matrixu.</translation>
    </message>
    <message>
        <source>The pilot list is empty: there is nobody to print.</source>
        <translation>Seznam pilotů je prázdný: není koho vytisknout.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to export the web page.</source>
        <translation>Před exportem webové stránky proveďte výpočet Matrixu.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to export the heat list.</source>
        <translation>Před exportem seznamu heatů nejprve spočítejte Matrix.</translation>
    </message>
    <message>
        <source>Withdrawing a pilot needs a drawn schedule. Recalculate the matrix first.</source>
        <translation>Odstoupení pilota potřebuje vylosovaný rozpis. Nejprve přepočítejte matrix.</translation>
    </message>
    <message>
        <source>Even out the heat sizes of the rounds from %1 on, moving as few pilots as possible?</source>
        <translation>Vyrovnat velikosti heatů v kolech od %1 dál s přesunem co nejméně pilotů?</translation>
    </message>
    <message>
        <source>A redraw from a round needs a drawn schedule. Recalculate the matrix first.</source>
        <translation>Přepočet od kola potřebuje vylosovaný rozpis. Nejprve přepočítejte matrix.</translation>
    </message>
    <message>
        <source>Swapping pilots needs a drawn schedule. Recalculate the matrix first.</source>
        <translation>Prohození pilotů potřebuje vylosovaný rozpis. Nejprve přepočítejte matrix.</translation>
    </message>
    <message>
        <source>Moving a pilot needs a drawn schedule. Recalculate the matrix first.</source>
        <translation>Přesun pilota potřebuje vylosovaný rozpis. Nejprve přepočítejte matrix.</translation>
    </message>
    <message>
        <source>A late entry needs a drawn schedule. Recalculate the matrix first.</source>
        <translation>Pozdní přihlášení potřebuje vylosovaný rozpis. Nejprve přepočítejte matrix.</translation>
    </message>
    <message>
        <source>The schedule has one round only, so a late pilot would fly none of it. Add the pilot to the list and recalculate instead.</source>
        <translation>Rozpis má jen jedno kolo, pozdě přihlášený pilot by tedy nelétal žádné. Vložte pilota do seznamu a rozpis přepočítejte.</translation>
    </message>
    <message>
        <source>%1
Draw the rounds from %2 on again with %3 among the pilots? The rounds before stay as they are.</source>
        <translation>%1
Vylosovat kola od %2 dál znovu i s pilotem %3? Kola před ním zůstanou, jak jsou.</translation>
    </message>
    <message>
        <source>The schedule is drawn already. Enter the new pilot late, into the rounds still to fly? No adds the pilot to the list only.</source>
        <translation>Rozpis je už vylosovaný. Přihlásit nového pilota pozdě, do kol, která se ještě poletí? Ne pilota jen vloží do seznamu.</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Příjmení</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanál</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Tým</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Poznámka</translation>
    </message>
    <message>
        <source>withdrawn from round %1</source>
        <translation>odstoupil od kola %1</translation>
    </message>
    <message>
        <source>from round %1</source>
        <translation>od kola %1</translation>
    </message>
    <message>
        <source>Změna v mřížce heatů</source>
        <translation>Změna v mřížce heatů</translation>
    </message>
</context>
<context>
    <name>CStatisticsDlg</name>
    <message>
        <source>Setkání</source>
        <translation>Setkání</translation>
    </message>
    <message>
        <source>Dvojic</source>
        <translation>Dvojic</translation>
    </message>
    <message>
        <source>Soupeřů</source>
        <translation>Soupeřů</translation>
    </message>
    <message>
        <source>Nejvíce setkání jedné dvojice: %1 (mez: nejméně %2)
Nejméně setkání jedné dvojice: %3 (mez: nejvýše %4)
Dvojice, které se nepotkaly: %5 z %6 (mez: nejméně %7)
Meze platí pro velikosti heatů tohoto výsledku; ne každou lze dosáhnout.</source>
        <translation>Nejvíce setkání jedné dvojice: %1 (mez: nejméně %2)
Nejméně setkání jedné dvojice: %3 (mez: nejvýše %4)
Dvojice, které se nepotkaly: %5 z %6 (mez: nejméně %7)
Meze platí pro velikosti heatů tohoto výsledku; ne každou lze dosáhnout.</translation>
    </message>
    <message>
        <source>Dvojice, které se potkat nesmějí nebo nemohou (stejná frekvence nebo tým, žádné společné kolo), se nepočítají: %1.</source>
        <translation>Dvojice, které se potkat nesmějí nebo nemohou (stejná frekvence nebo tým, žádné společné kolo), se nepočítají: %1.</translation>
    </message>
</context>
<context>
    <name>ContestDay</name>
    <message>
        <source>The contest has no schedule to change.</source>
        <translation>Soutěž nemá rozpis, který by šlo změnit.</translation>
    </message>
    <message>
        <source>The schedule has rounds 1 to %1; there is no round %2.</source>
        <translation>Rozpis má kola 1 až %1; kolo %2 v něm není.</translation>
    </message>
    <message>
        <source>The schedule has no pilot %1 %2.</source>
        <translation>V rozpisu není pilot %1 %2.</translation>
    </message>
    <message>
        <source>The schedule has no pilot %1.</source>
        <translation>V rozpisu není pilot %1.</translation>
    </message>
    <message>
        <source>A late entry needs the pilot&apos;s last name.</source>
        <translation>Pozdní přihláška potřebuje příjmení pilota.</translation>
    </message>
    <message>
        <source>%1 flies on channel %2; a channel is %3 to %4.</source>
        <translation>%1 létá na kanálu %2; kanál je %3 až %4.</translation>
    </message>
    <message>
        <source>%1 is on the schedule already.</source>
        <translation>%1 už v rozpisu je.</translation>
    </message>
    <message>
        <source>The contest holds %1 pilots already, the most it takes.</source>
        <translation>Soutěž už má %1 pilotů, víc jich nepojme.</translation>
    </message>
    <message>
        <source>%1 has withdrawn from round %2 already.</source>
        <translation>%1 už odstoupil od kola %2.</translation>
    </message>
    <message>
        <source>%1 enters only from round %2 and cannot withdraw before it.</source>
        <translation>%1 nastupuje až od kola %2 a nemůže odstoupit dřív.</translation>
    </message>
    <message>
        <source>No heat of round %1 can take %2: each is full (%3 pilots) or would break a rule.</source>
        <translation>Žádný heat kola %1 nemůže přijmout pilota %2: každý je plný (%3 pilotů) nebo by porušil pravidlo.</translation>
    </message>
    <message>
        <source>%1 does not fly in round %2.</source>
        <translation>%1 v kole %2 nelétá.</translation>
    </message>
    <message>
        <source>%1 and %2 fly in the same heat %3 of round %4 already.</source>
        <translation>%1 a %2 už létají ve stejném heatu %3 kola %4.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot swap heats in round %3: %4</source>
        <translation>%1 a %2 si v kole %3 nemohou vyměnit heaty: %4</translation>
    </message>
    <message>
        <source>Round %1 has heats 1 to %2; there is no heat %3.</source>
        <translation>Kolo %1 má heaty 1 až %2; heat %3 v něm není.</translation>
    </message>
    <message>
        <source>%1 flies in heat %2 of round %3 already.</source>
        <translation>%1 už létá v heatu %2 kola %3.</translation>
    </message>
    <message>
        <source>Heat %1 of round %2 is full: it holds %3 pilots, the most a heat takes.</source>
        <translation>Heat %1 kola %2 je plný: má %3 pilotů, víc heat nepojme.</translation>
    </message>
    <message>
        <source>%1 cannot move to heat %2 of round %3: %4</source>
        <translation>%1 nemůže přejít do heatu %2 kola %3: %4</translation>
    </message>
    <message>
        <source>%1 cannot withdraw from round %2: %3</source>
        <translation>%1 nemůže odstoupit od kola %2: %3</translation>
    </message>
    <message>
        <source>After this change some pilot of round %1 or later would have nobody free to time them.</source>
        <translation>Po této změně by některého pilota kola %1 nebo pozdějšího neměl kdo měřit.</translation>
    </message>
</context>
<context>
    <name>ContestDialog</name>
    <message>
        <source>Soutěž</source>
        <translation>Soutěž</translation>
    </message>
    <message>
        <source>&amp;Název soutěže:</source>
        <translation>&amp;Název soutěže:</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>ContestFile</name>
    <message>
        <source>The contest file</source>
        <translation>Soubor soutěže</translation>
    </message>
    <message>
        <source>The contest file is not JSON: %1 at line %2, column %3.</source>
        <translation>Soubor soutěže není platný JSON: %1 na řádku %2, ve sloupci %3.</translation>
    </message>
    <message>
        <source>The contest file is larger than %1 MiB, far more than any contest takes.</source>
        <translation>Soubor soutěže je větší než %1 MiB, mnohem víc, než zabere jakákoli soutěž.</translation>
    </message>
    <message>
        <source>The contest file is not a JSON object.</source>
        <translation>Soubor soutěže není objekt JSON.</translation>
    </message>
    <message>
        <source>This is not a contest file: its &quot;format&quot; is not &quot;%1&quot;.</source>
        <translation>Toto není soubor soutěže: jeho „format“ není „%1“.</translation>
    </message>
    <message>
        <source>%1: &quot;version&quot; must be a whole number from 1.</source>
        <translation>%1: „version“ musí být celé číslo od 1.</translation>
    </message>
    <message>
        <source>This contest file is of version %1; this Kvorax reads version %2.</source>
        <translation>Tento soubor soutěže má verzi %1; tento Kvorax čte verzi %2.</translation>
    </message>
    <message>
        <source>%1: &quot;date&quot; must be a date written as YYYY-MM-DD, or null.</source>
        <translation>%1: „date“ musí být datum ve tvaru RRRR-MM-DD, nebo null.</translation>
    </message>
    <message>
        <source>The fields</source>
        <translation>Položka „fields“</translation>
    </message>
    <message>
        <source>Pilot %1</source>
        <translation>Pilot %1</translation>
    </message>
    <message>
        <source>The contest cannot be opened from &quot;%1&quot;: %2.</source>
        <translation>Soutěž nelze otevřít ze souboru „%1“: %2.</translation>
    </message>
    <message>
        <source>The contest cannot be saved to &quot;%1&quot;: %2. The file was left as it was.</source>
        <translation>Soutěž nelze uložit do souboru „%1“: %2. Soubor zůstal, jak byl.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>není to soubor</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB, far more than any contest takes</source>
        <translation>je větší než %1 MiB, mnohem víc, než zabere jakákoli soutěž</translation>
    </message>
    <message>
        <source>The contest cannot be opened from &quot;%1&quot;. %2</source>
        <translation>Soutěž nelze otevřít ze souboru „%1“. %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing.</source>
        <translation>%1: chybí „%2“.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; must be an object.</source>
        <translation>%1: „%2“ musí být objekt.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; must be a list.</source>
        <translation>%1: „%2“ musí být seznam.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; must be a whole number from %3 to %4.</source>
        <translation>%1: „%2“ musí být celé číslo od %3 do %4.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; must be a text.</source>
        <translation>%1: „%2“ musí být text.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds half of a character.</source>
        <translation>%1: „%2“ obsahuje polovinu znaku.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is longer than %3 characters.</source>
        <translation>%1: „%2“ je delší než %3 znaků.</translation>
    </message>
    <message>
        <source>%1 must be an object.</source>
        <translation>%1 musí být objekt.</translation>
    </message>
    <message>
        <source>%1 must be a list.</source>
        <translation>%1 musí být seznam.</translation>
    </message>
    <message>
        <source>%1 lists %2 pilots; a contest holds at most %3.</source>
        <translation>%1 uvádí %2 pilotů; soutěž jich pojme nejvýše %3.</translation>
    </message>
    <message>
        <source>The schedule</source>
        <translation>Rozpis</translation>
    </message>
    <message>
        <source>%1: &quot;draw&quot; must be &quot;random&quot; or &quot;balanced&quot;.</source>
        <translation>%1: „draw“ musí být „random“, nebo „balanced“.</translation>
    </message>
    <message>
        <source>%1: seat %2 must be a pilot&apos;s index or null.</source>
        <translation>%1: místo %2 musí být index pilota, nebo null.</translation>
    </message>
    <message>
        <source>%1: seat %2 holds the index %3, but the pilot list has no pilot of that index (it holds %4).</source>
        <translation>%1: místo %2 obsahuje index %3, ale seznam pilotů pilota s tímto indexem nemá (počet pilotů: %4).</translation>
    </message>
    <message>
        <source>%1 has %2 seats; a heat has at most %3.</source>
        <translation>%1 má %2 míst; heat jich má nejvýše %3.</translation>
    </message>
    <message>
        <source>%1 has %2 heats; a round has 1 to %3.</source>
        <translation>%1: počet heatů (%2) musí být 1 až %3.</translation>
    </message>
    <message>
        <source>%1 differs from round 1 in its number of heats (%2 and %3).</source>
        <translation>%1 má jiný počet heatů než kolo 1 (%2 a %3).</translation>
    </message>
    <message>
        <source>%1 has %2 rounds; a schedule has 1 to %3.</source>
        <translation>%1: počet kol (%2) musí být 1 až %3.</translation>
    </message>
    <message>
        <source>Pilot %1 of the schedule</source>
        <translation>Pilot %1 rozpisu</translation>
    </message>
    <message>
        <source>The contest file: &quot;schedule&quot; must be an object or null.</source>
        <translation>Soubor soutěže: „schedule“ musí být objekt, nebo null.</translation>
    </message>
    <message>
        <source>pilot %1 (%2 %3)</source>
        <translation>pilot %1 (%2 %3)</translation>
    </message>
    <message>
        <source>%1 has two pilots on channel %2: %3 and %4.</source>
        <translation>%1 má dva piloty na kanálu %2: %3 a %4.</translation>
    </message>
    <message>
        <source>%1 seats %2 twice.</source>
        <translation>%1 obsahuje dvakrát: %2.</translation>
    </message>
    <message>
        <source>%1 leaves out %2.</source>
        <translation>%1 vynechává: %2.</translation>
    </message>
    <message>
        <source>Round %1 of the schedule</source>
        <translation>Kolo %1 rozpisu</translation>
    </message>
    <message>
        <source>Round %1, heat %2 of the schedule</source>
        <translation>Kolo %1, heat %2 rozpisu</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; must be true or false.</source>
        <translation>%1: „%2“ musí být true nebo false.</translation>
    </message>
    <message>
        <source>The rules</source>
        <translation>Pravidla</translation>
    </message>
    <message>
        <source>%1: &quot;timekeepers&quot; must be true or false.</source>
        <translation>%1: „timekeepers“ musí být true nebo false.</translation>
    </message>
    <message>
        <source>%1 has two pilots of team %2: %3 and %4.</source>
        <translation>%1 má dva piloty týmu %2: %3 a %4.</translation>
    </message>
    <message>
        <source>%1 seats %2, who does not fly in it (withdrawn or entered later).</source>
        <translation>%1 obsazuje: %2, ač v něm nelétá (odstoupil nebo se přihlásil později).</translation>
    </message>
    <message>
        <source>%1 flies the last heat of round %2 and the first heat of round %3, back to back.</source>
        <translation>%1 letí poslední heat kola %2 a hned nato první heat kola %3.</translation>
    </message>
    <message>
        <source>The schedule&apos;s &quot;timedBy&quot;</source>
        <translation>„timedBy“ rozpisu</translation>
    </message>
    <message>
        <source>%1: seat %2 is empty, so its timekeeper must be null.</source>
        <translation>%1: místo %2 je prázdné, jeho časoměřič proto musí být null.</translation>
    </message>
    <message>
        <source>%1: the timekeeper of seat %2 must be the index of a pilot of the list.</source>
        <translation>%1: časoměřič místa %2 musí být index pilota ze seznamu.</translation>
    </message>
    <message>
        <source>%1: %2 may not time seat %3 (%4): a timekeeper flies the round, but neither in that heat nor, in a round of three heats or more, the next.</source>
        <translation>%1: %2 nesmí měřit místo %3 (%4): časoměřič létá v tomtéž kole, ale ani v tomto heatu, ani (v kole o třech a více heatech) v heatu následujícím.</translation>
    </message>
    <message>
        <source>%1 has %2 rounds; the schedule has %3.</source>
        <translation>%1 má %2 kol; rozpis jich má %3.</translation>
    </message>
    <message>
        <source>%1: round %2 has %3 heats; the schedule has %4.</source>
        <translation>%1: kolo %2 má %3 heatů; rozpis jich má %4.</translation>
    </message>
    <message>
        <source>%1: &quot;timedBy&quot; lists timekeepers, so &quot;timekeepers&quot; must be true.</source>
        <translation>%1: „timedBy“ uvádí časoměřiče, proto „timekeepers“ musí být true.</translation>
    </message>
    <message>
        <source>%1: &quot;noBackToBack&quot; must be true or false.</source>
        <translation>%1: „noBackToBack“ musí být true nebo false.</translation>
    </message>
    <message>
        <source>The contest cannot be saved to &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>Soutěž nelze uložit do souboru „%1“: %2. Nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; may not contain a comma.</source>
        <translation>%1: „%2“ nesmí obsahovat čárku.</translation>
    </message>
</context>
<context>
    <name>DrawFailureMessage</name>
    <message numerus="yes">
        <source>%n pilot</source>
        <translation>
            <numerusform>%n pilot</numerusform>
            <numerusform>%n piloti</numerusform>
            <numerusform>%n pilotů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pilots</source>
        <translation>
            <numerusform>%n pilot</numerusform>
            <numerusform>%n piloti</numerusform>
            <numerusform>%n pilotů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n heat</source>
        <translation>
            <numerusform>%n heat</numerusform>
            <numerusform>%n heaty</numerusform>
            <numerusform>%n heatů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n heats</source>
        <translation>
            <numerusform>%n heat</numerusform>
            <numerusform>%n heaty</numerusform>
            <numerusform>%n heatů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n place</source>
        <translation>
            <numerusform>%n místo</numerusform>
            <numerusform>%n místa</numerusform>
            <numerusform>%n míst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places</source>
        <translation>
            <numerusform>%n místo</numerusform>
            <numerusform>%n místa</numerusform>
            <numerusform>%n míst</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot all fly in one round of %2 with %3 each: a round has only %4. Use more heats or more pilots per heat.</source>
        <translation>Do jednoho kola se nevejdou všichni piloti (%1): %2, v každém %3, to je jen %4. Použijte více heatů nebo více pilotů v heatu.</translation>
    </message>
    <message>
        <source>Use fewer pilots per heat.</source>
        <translation>Použijte méně pilotů v heatu.</translation>
    </message>
    <message>
        <source>Use at least %1 and fewer pilots per heat.</source>
        <translation>Použijte alespoň %1 a méně pilotů v heatu.</translation>
    </message>
    <message>
        <source>A round has at most %1, so move some of these pilots to other channels.</source>
        <translation>Kolo má nejvýše %1, proto přesuňte některé z těchto pilotů na jiné kanály.</translation>
    </message>
    <message>
        <source>%1 fly on channel %2, but the %3 of a round fill only %4 of %5 each, and no heat may hold two pilots on one channel. %6</source>
        <translation>Kanál %2: %1. %3 jednoho kola ale zaplní jen %4 (v každém %5) a žádný heat nesmí mít dva piloty na stejném kanálu. %6</translation>
    </message>
    <message>
        <source>Cannot resolve frequency conflict. Rerun Matrix to reseed random number generator.</source>
        <translation>Konflikt frekvencí nelze vyřešit. Spusťte výpočet Matrixu znovu, generátor náhodných čísel začne jinde.</translation>
    </message>
    <message>
        <source>Team %1 has %2 but a round has only %3.</source>
        <translation>Tým %1 má %2, ale kolo má jen %3.</translation>
    </message>
    <message>
        <source>Team %1 has %2, but the %3 of a round fill only %4 of %5 each, and no heat may hold two pilots of one team. Use fewer pilots per heat.</source>
        <translation>Tým %1 má %2, ale %3 kola zaplní jen %4 po %5 a žádný heat nesmí mít dva piloty jednoho týmu. Použijte méně pilotů v heatu.</translation>
    </message>
    <message>
        <source>The pilots fill only one heat a round, so they fly the last heat of each round and the first of the next: &quot;Ne dvakrát po sobě&quot; cannot hold. Use fewer pilots per heat, or clear the option.</source>
        <translation>Piloti zaplní jen jeden heat v kole, takže létají poslední heat každého kola i první heat dalšího: „Ne dvakrát po sobě“ nelze dodržet. Použijte méně pilotů v heatu, nebo volbu zrušte.</translation>
    </message>
</context>
<context>
    <name>DrawStatusWriter</name>
    <message>
        <source>Clearing data...</source>
        <translation>Mazání dat...</translation>
    </message>
    <message>
        <source>Building Pilots&apos; list...</source>
        <translation>Sestavování seznamu pilotů...</translation>
    </message>
    <message>
        <source>Working Round %1, Heat %2</source>
        <translation>Zpracovávám kolo %1, heat %2</translation>
    </message>
    <message>
        <source>Freq conflict Round %1, Heat %2, channel %3. Retrying...</source>
        <translation>Konflikt frekvencí v kole %1, heatu %2, kanál %3. Zkouším znovu...</translation>
    </message>
</context>
<context>
    <name>FontSizeDialog</name>
    <message>
        <source>Výběr velikosti fontu</source>
        <translation>Výběr velikosti fontu</translation>
    </message>
    <message>
        <source>Zadej základní velikost fontu pro tisk.</source>
        <translation>Zadej základní velikost fontu pro tisk.</translation>
    </message>
    <message>
        <source>Začni nový sloupec pro každé kolo</source>
        <translation>Začni nový sloupec pro každé kolo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Náhled</source>
        <translation>&amp;Náhled</translation>
    </message>
</context>
<context>
    <name>HeatCards</name>
    <message>
        <source>withdrawn from round %1</source>
        <translation>odstoupil od kola %1</translation>
    </message>
    <message>
        <source>late from round %1</source>
        <translation>pozdě, od kola %1</translation>
    </message>
</context>
<context>
    <name>HeatGridModel</name>
    <message>
        <source>Heat %1</source>
        <translation>Heat %1</translation>
    </message>
    <message>
        <source>Kolo %1</source>
        <translation>Kolo %1</translation>
    </message>
    <message>
        <source>Pilot mění heat jen v rámci svého kola.</source>
        <translation>Pilot mění heat jen v rámci svého kola.</translation>
    </message>
</context>
<context>
    <name>LateEntryDialog</name>
    <message>
        <source>Pozdní přihlášení</source>
        <translation>Pozdní přihlášení</translation>
    </message>
    <message>
        <source>&amp;Příjmení pilota:</source>
        <translation>&amp;Příjmení pilota:</translation>
    </message>
    <message>
        <source>&amp;Jméno pilota:</source>
        <translation>&amp;Jméno pilota:</translation>
    </message>
    <message>
        <source>&amp;Frekvence:</source>
        <translation>&amp;Frekvence:</translation>
    </message>
    <message>
        <source>&amp;Tým:</source>
        <translation>&amp;Tým:</translation>
    </message>
    <message>
        <source>Od &amp;kola:</source>
        <translation>Od &amp;kola:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>PathDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Vybrat</source>
        <translation>&amp;Vybrat</translation>
    </message>
    <message>
        <source>&amp;Uložit jako:</source>
        <translation>&amp;Uložit jako:</translation>
    </message>
    <message>
        <source>Import seznamu pilotů</source>
        <translation>Import seznamu pilotů</translation>
    </message>
    <message>
        <source>Cesta k importovanému souboru:</source>
        <translation>Cesta k importovanému souboru:</translation>
    </message>
    <message>
        <source>Můžete importovat ASCII soubor ve kterém jsou jednotlivé položky odděleny čárkou. Záznam každého pilota musí být v jedné řádce. Struktura záznamu má tento tvar:</source>
        <translation>Můžete importovat ASCII soubor ve kterém jsou jednotlivé položky odděleny čárkou. Záznam každého pilota musí být v jedné řádce. Struktura záznamu má tento tvar:</translation>
    </message>
    <message>
        <source>příjmení pilota, jméno pilota, frekvence</source>
        <translation>příjmení pilota, jméno pilota, frekvence</translation>
    </message>
    <message>
        <source>Export seznamu pilotů</source>
        <translation>Export seznamu pilotů</translation>
    </message>
    <message>
        <source>Můžete uložit aktuální seznam pilotů do souboru, který se dá později importovat a použít. Vložte jméno souboru a vyberte místo pro uložení.</source>
        <translation>Můžete uložit aktuální seznam pilotů do souboru, který se dá později importovat a použít. Vložte jméno souboru a vyberte místo pro uložení.</translation>
    </message>
    <message>
        <source>Export Matrixu</source>
        <translation>Export Matrixu</translation>
    </message>
    <message>
        <source>Můžete uložit aktuální vypočítaný Matrix do souboru, který se dá upravit ve vašem oblíbeném textovém editoru. Tento soubor obsahuje všechny heaty, jména pilotů a použité frekvence.</source>
        <translation>Můžete uložit aktuální vypočítaný Matrix do souboru, který se dá upravit ve vašem oblíbeném textovém editoru. Tento soubor obsahuje všechny heaty, jména pilotů a použité frekvence.</translation>
    </message>
    <message>
        <source>Export karty heatů</source>
        <translation>Export karty heatů</translation>
    </message>
    <message>
        <source>Můžete vytvořit kartu s rozpisem heatů pro každého pilota. Exportovaný textový soubor lze upravit ve vašem oblíbeném textovém editoru.</source>
        <translation>Můžete vytvořit kartu s rozpisem heatů pro každého pilota. Exportovaný textový soubor lze upravit ve vašem oblíbeném textovém editoru.</translation>
    </message>
    <message>
        <source>Export statistiky setkání</source>
        <translation>Export statistiky setkání</translation>
    </message>
    <message>
        <source>Můžete uložit, kolikrát se potkala každá dvojice pilotů, do souboru CSV, který otevře tabulkový procesor. Každý řádek: příjmení, jméno, příjmení, jméno, počet setkání.</source>
        <translation>Můžete uložit, kolikrát se potkala každá dvojice pilotů, do souboru CSV, který otevře tabulkový procesor. Každý řádek: příjmení, jméno, příjmení, jméno, počet setkání.</translation>
    </message>
    <message>
        <source>Export rozpisu (CSV)</source>
        <translation>Export rozpisu (CSV)</translation>
    </message>
    <message>
        <source>Můžete uložit rozpis heatů do souboru CSV pro tabulkový procesor nebo webovou stránku klubu. Každý řádek: kolo, heat, příjmení, jméno, frekvence, tým, časoměřič.</source>
        <translation>Můžete uložit rozpis heatů do souboru CSV pro tabulkový procesor nebo webovou stránku klubu. Každý řádek: kolo, heat, příjmení, jméno, frekvence, tým, časoměřič.</translation>
    </message>
    <message>
        <source>Export časoměřičů</source>
        <translation>Export časoměřičů</translation>
    </message>
    <message>
        <source>Můžete uložit seznam heatů pro stolek časoměřičů: pro každý heat jeho piloty s frekvencí, týmem a tím, kdo jim měří čas.</source>
        <translation>Můžete uložit seznam heatů pro stolek časoměřičů: pro každý heat jeho piloty s frekvencí, týmem a tím, kdo jim měří čas.</translation>
    </message>
    <message>
        <source>Export webové stránky</source>
        <translation>Export webové stránky</translation>
    </message>
    <message>
        <source>Můžete uložit rozpis heatů jako jednu webovou stránku, kterou piloti otevřou v telefonu a najdou v ní své heaty.</source>
        <translation>Můžete uložit rozpis heatů jako jednu webovou stránku, kterou piloti otevřou v telefonu a najdou v ní své heaty.</translation>
    </message>
</context>
<context>
    <name>PilotDialog</name>
    <message>
        <source>&amp;Jméno pilota:</source>
        <translation>&amp;Jméno pilota:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Vložení pilota</source>
        <translation>Vložení pilota</translation>
    </message>
    <message>
        <source>&amp;Příjmení Pilota:</source>
        <translation>&amp;Příjmení Pilota:</translation>
    </message>
    <message>
        <source>&amp;Frekvence:</source>
        <translation>&amp;Frekvence:</translation>
    </message>
    <message>
        <source>Chci vložit dalšího pilota</source>
        <translation>Chci vložit dalšího pilota</translation>
    </message>
    <message>
        <source>Editování pilota</source>
        <translation>Editování pilota</translation>
    </message>
    <message>
        <source>&amp;Příjmení pilota:</source>
        <translation>&amp;Příjmení pilota:</translation>
    </message>
    <message>
        <source>&amp;Frekvence</source>
        <translation>&amp;Frekvence</translation>
    </message>
    <message>
        <source>&amp;Tým:</source>
        <translation>&amp;Tým:</translation>
    </message>
</context>
<context>
    <name>PilotFieldsExchange</name>
    <message>
        <source>A pilot&apos;s name cannot contain a comma, because commas separate the names and the channel in the pilot list. Please remove the comma.</source>
        <translation>Jméno pilota nesmí obsahovat čárku, protože čárky v seznamu pilotů oddělují jména a kanál. Odstraňte prosím čárku.</translation>
    </message>
    <message>
        <source>Please enter the pilot&apos;s last name.</source>
        <translation>Zadejte příjmení pilota.</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>Printing %1</source>
        <translation>Tisk: %1</translation>
    </message>
    <message>
        <source>%1 printed at size %2: size %3 does not fit the page</source>
        <translation>%1: vytištěno ve velikosti %2, velikost %3 se na stránku nevejde</translation>
    </message>
    <message>
        <source>Heat Cards</source>
        <translation>Karty heatů</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Příjmení</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanál</translation>
    </message>
    <message>
        <source>Flight time</source>
        <translation>Čas letu</translation>
    </message>
    <message>
        <source>Landing</source>
        <translation>Přistání</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>Round %1, Heat %2</source>
        <translation>Kolo %1, Heat %2</translation>
    </message>
    <message>
        <source>Timekeeper&apos;s signature:</source>
        <translation>Podpis časoměřiče:</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strana %1 z %2</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Č.</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Přítomen</translation>
    </message>
    <message>
        <source>Pilots: %1</source>
        <translation>Pilotů: %1</translation>
    </message>
    <message>
        <source>Heat Sheets</source>
        <translation>Startovní listiny</translation>
    </message>
    <message>
        <source>Pilot List</source>
        <translation>Seznam pilotů</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Tým</translation>
    </message>
    <message>
        <source>Timekeeper</source>
        <translation>Časoměřič</translation>
    </message>
</context>
<context>
    <name>RaceDialog</name>
    <message>
        <source>&amp;Soubor</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Import seznamu pilotů</source>
        <translation>&amp;Import seznamu pilotů</translation>
    </message>
    <message>
        <source>&amp;Export seznamu pilotů</source>
        <translation>&amp;Export seznamu pilotů</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>&amp;Matrix</source>
        <translation>&amp;Matrix</translation>
    </message>
    <message>
        <source>&amp;Přepočítat</source>
        <translation>&amp;Přepočítat</translation>
    </message>
    <message>
        <source>&amp;Export Matrixu</source>
        <translation>&amp;Export Matrixu</translation>
    </message>
    <message>
        <source>Export karty &amp;heatů </source>
        <translation>Export karty &amp;heatů </translation>
    </message>
    <message>
        <source>Pi&amp;lot</source>
        <translation>Pi&amp;lot</translation>
    </message>
    <message>
        <source>&amp;Vložit</source>
        <translation>&amp;Vložit</translation>
    </message>
    <message>
        <source>&amp;Odstranit</source>
        <translation>&amp;Odstranit</translation>
    </message>
    <message>
        <source>&amp;Editovat</source>
        <translation>&amp;Editovat</translation>
    </message>
    <message>
        <source>&amp;Tisk</source>
        <translation>&amp;Tisk</translation>
    </message>
    <message>
        <source>&amp;Karta heatů</source>
        <translation>&amp;Karta heatů</translation>
    </message>
    <message>
        <source>&amp;Jazyk / Language</source>
        <translation>&amp;Jazyk / Language</translation>
    </message>
    <message>
        <source>&amp;Výchozí</source>
        <translation>&amp;Výchozí</translation>
    </message>
    <message>
        <source>&amp;Čeština</source>
        <translation>&amp;Čeština</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>&amp;O programu</source>
        <translation>&amp;O programu</translation>
    </message>
    <message>
        <source>&amp;Kola</source>
        <translation>&amp;Kola</translation>
    </message>
    <message>
        <source>&amp;Heaty</source>
        <translation>&amp;Heaty</translation>
    </message>
    <message>
        <source>&amp;Pilotů v heatu</source>
        <translation>&amp;Pilotů v heatu</translation>
    </message>
    <message>
        <source>Seznam pilotů</source>
        <translation>Seznam pilotů</translation>
    </message>
    <message>
        <source>Výpočet Matrixu</source>
        <translation>Výpočet Matrixu</translation>
    </message>
    <message>
        <source>&amp;Vyvážený přepočet</source>
        <translation>&amp;Vyvážený přepočet</translation>
    </message>
    <message>
        <source>&amp;Statistika setkání</source>
        <translation>&amp;Statistika setkání</translation>
    </message>
    <message>
        <source>&amp;Zastavit</source>
        <translation>&amp;Zastavit</translation>
    </message>
    <message>
        <source>&amp;Nová soutěž</source>
        <translation>&amp;Nová soutěž</translation>
    </message>
    <message>
        <source>&amp;Otevřít soutěž…</source>
        <translation>&amp;Otevřít soutěž…</translation>
    </message>
    <message>
        <source>Uložit &amp;soutěž</source>
        <translation>Uložit &amp;soutěž</translation>
    </message>
    <message>
        <source>Uložit soutěž &amp;jako…</source>
        <translation>Uložit soutěž &amp;jako…</translation>
    </message>
    <message>
        <source>Sou&amp;těž…</source>
        <translation>Sou&amp;těž…</translation>
    </message>
    <message>
        <source>Export rozpisu (&amp;CSV)…</source>
        <translation>Export rozpisu (&amp;CSV)…</translation>
    </message>
    <message>
        <source>Úp&amp;ravy</source>
        <translation>Úp&amp;ravy</translation>
    </message>
    <message>
        <source>&amp;Zpět</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>Z&amp;novu</source>
        <translation>Z&amp;novu</translation>
    </message>
    <message>
        <source>Export &amp;webové stránky…</source>
        <translation>Export &amp;webové stránky…</translation>
    </message>
    <message>
        <source>&amp;Startovní listiny</source>
        <translation>&amp;Startovní listiny</translation>
    </message>
    <message>
        <source>Seznam &amp;pilotů</source>
        <translation>Seznam &amp;pilotů</translation>
    </message>
    <message>
        <source>Export čas&amp;oměřičů…</source>
        <translation>Export čas&amp;oměřičů…</translation>
    </message>
    <message>
        <source>&amp;Ne dvakrát po sobě</source>
        <translation>&amp;Ne dvakrát po sobě</translation>
    </message>
    <message>
        <source>&amp;Časoměřiči</source>
        <translation>&amp;Časoměřiči</translation>
    </message>
    <message>
        <source>Ods&amp;toupení…</source>
        <translation>Ods&amp;toupení…</translation>
    </message>
    <message>
        <source>Přepočítat od &amp;kola…</source>
        <translation>Přepočítat od &amp;kola…</translation>
    </message>
    <message>
        <source>Po&amp;zdní přihlášení…</source>
        <translation>Po&amp;zdní přihlášení…</translation>
    </message>
    <message>
        <source>Prohodit p&amp;iloty…</source>
        <translation>Prohodit p&amp;iloty…</translation>
    </message>
    <message>
        <source>Přes&amp;unout pilota…</source>
        <translation>Přes&amp;unout pilota…</translation>
    </message>
    <message>
        <source>Zo&amp;brazení</source>
        <translation>Zo&amp;brazení</translation>
    </message>
    <message>
        <source>&amp;Strom rozpisu</source>
        <translation>&amp;Strom rozpisu</translation>
    </message>
    <message>
        <source>&amp;Mřížka heatů</source>
        <translation>&amp;Mřížka heatů</translation>
    </message>
</context>
<context>
    <name>RedrawFromDialog</name>
    <message>
        <source>Přepočítat od kola</source>
        <translation>Přepočítat od kola</translation>
    </message>
    <message>
        <source>Od &amp;kola:</source>
        <translation>Od &amp;kola:</translation>
    </message>
    <message>
        <source>&amp;Vyvážený přepočet</source>
        <translation>&amp;Vyvážený přepočet</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>ResultTree</name>
    <message>
        <source>Round %1, Heat %2</source>
        <translation>Kolo %1, Heat %2</translation>
    </message>
    <message>
        <source>%1 – timed by %2 %3</source>
        <translation>%1 – čas měří %2 %3</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>1 line was</source>
        <translation>byl 1 řádek vynechán</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were</source>
        <translation>
            <numerusform>byl %n řádek vynechán</numerusform>
            <numerusform>byly %n řádky vynechány</numerusform>
            <numerusform>bylo %n řádků vynecháno</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 pilots were imported from &quot;%2&quot;. The pilot list holds at most %3 pilots, so %4 left out.</source>
        <translation>Ze souboru „%2“ bylo importováno %1 pilotů. Seznam pilotů pojme nejvýše %3 pilotů, proto %4.</translation>
    </message>
    <message>
        <source>has fewer than three fields (last name, first name and channel)</source>
        <translation>má méně než tři pole (příjmení, jméno a kanál)</translation>
    </message>
    <message>
        <source>separates its fields with semicolons, but the fields of a pilot must be separated by commas</source>
        <translation>odděluje svá pole středníky, ale pole pilota musí být oddělena čárkami</translation>
    </message>
    <message>
        <source>has no channel</source>
        <translation>nemá kanál</translation>
    </message>
    <message>
        <source>has a channel that is not a whole number</source>
        <translation>má kanál, který není celé číslo</translation>
    </message>
    <message>
        <source>has a channel outside %1 to %2</source>
        <translation>má kanál mimo rozsah %1 až %2</translation>
    </message>
    <message>
        <source>1 more line cannot be imported either.</source>
        <translation>Nelze importovat ani 1 další řádek.</translation>
    </message>
    <message numerus="yes">
        <source>%n more lines cannot be imported either.</source>
        <translation>
            <numerusform>Nelze importovat ani %n další řádek.</numerusform>
            <numerusform>Nelze importovat ani %n další řádky.</numerusform>
            <numerusform>Nelze importovat ani %n dalších řádků.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pilot list was not changed.</source>
        <translation>Seznam pilotů se nezměnil.</translation>
    </message>
    <message>
        <source>The pilots cannot be imported from &quot;%1&quot;: it is not text in UTF-8, UTF-16, UTF-32 or Windows-1250.</source>
        <translation>Piloty nelze importovat ze souboru „%1“: není to text v kódování UTF-8, UTF-16, UTF-32 ani Windows-1250.</translation>
    </message>
    <message>
        <source>The pilots cannot be imported from &quot;%1&quot;: line %2 (&quot;%3&quot;) %4.</source>
        <translation>Piloty nelze importovat ze souboru „%1“: řádek %2 („%3“) %4.</translation>
    </message>
</context>
<context>
    <name>RoundListsDialog</name>
    <message>
        <source>Vyberte heat, do kterého pilot přejde.</source>
        <translation>Vyberte heat, do kterého pilot přejde.</translation>
    </message>
    <message>
        <source>Vyberte pilota v seznamu vlevo.</source>
        <translation>Vyberte pilota v seznamu vlevo.</translation>
    </message>
    <message>
        <source>Vyberte druhého pilota.</source>
        <translation>Vyberte druhého pilota.</translation>
    </message>
    <message>
        <source>&amp;Kolo:</source>
        <translation>&amp;Kolo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Prohodit piloty</source>
        <translation>Prohodit piloty</translation>
    </message>
    <message>
        <source>&amp;První pilot:</source>
        <translation>&amp;První pilot:</translation>
    </message>
    <message>
        <source>&amp;Druhý pilot:</source>
        <translation>&amp;Druhý pilot:</translation>
    </message>
    <message>
        <source>Přesunout pilota</source>
        <translation>Přesunout pilota</translation>
    </message>
    <message>
        <source>&amp;Pilot:</source>
        <translation>&amp;Pilot:</translation>
    </message>
    <message>
        <source>Do &amp;heatu:</source>
        <translation>Do &amp;heatu:</translation>
    </message>
    <message>
        <source>Vyberte dva různé piloty.</source>
        <translation>Vyberte dva různé piloty.</translation>
    </message>
</context>
<context>
    <name>SchedulePage</name>
    <message>
        <source>Heat %1</source>
        <translation>Heat %1</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Kolo %1</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Heat</translation>
    </message>
    <message>
        <source>Pilot</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanál</translation>
    </message>
    <message>
        <source>Heat schedule</source>
        <translation>Rozpis heatů</translation>
    </message>
    <message>
        <source>Find your heats: type your name</source>
        <translation>Najděte své heaty: napište své jméno</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Tým %1</translation>
    </message>
    <message>
        <source>Timekeeper %1</source>
        <translation>Časoměřič %1</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Statistika setkání</source>
        <translation>Statistika setkání</translation>
    </message>
    <message>
        <source>Dvojice podle počtu setkání</source>
        <translation>Dvojice podle počtu setkání</translation>
    </message>
    <message>
        <source>Kolikrát se potkali (řádek: soupeřů z možných)</source>
        <translation>Kolikrát se potkali (řádek: soupeřů z možných)</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Export &amp;CSV</source>
        <translation>Export &amp;CSV</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>&amp;O Kvoraxu...</source>
        <translation>&amp;O Kvoraxu...</translation>
    </message>
</context>
<context>
    <name>TextFileExport</name>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>%1 Not everything could be written.</source>
        <translation>%1 Nepodařilo se zapsat všechno.</translation>
    </message>
    <message>
        <source>%1 The file was left as it was.</source>
        <translation>%1 Soubor zůstal, jak byl.</translation>
    </message>
</context>
<context>
    <name>Timekeepers</name>
    <message>
        <source>The pilots fill only one heat a round, so nobody is free to time them. The schedule has no timekeepers; use fewer pilots per heat to have them.</source>
        <translation>Piloti zaplní jen jeden heat v kole, takže nikdo nemá volno jim měřit čas. Rozpis je bez časoměřičů; pro ně použijte méně pilotů v heatu.</translation>
    </message>
</context>
<context>
    <name>WithdrawDialog</name>
    <message>
        <source>Vyberte pilota, který odstupuje.</source>
        <translation>Vyberte pilota, který odstupuje.</translation>
    </message>
    <message>
        <source>Odstoupení</source>
        <translation>Odstoupení</translation>
    </message>
    <message>
        <source>&amp;Pilot:</source>
        <translation>&amp;Pilot:</translation>
    </message>
    <message>
        <source>Od &amp;kola:</source>
        <translation>Od &amp;kola:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
</TS>
