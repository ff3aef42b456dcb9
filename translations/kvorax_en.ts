<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>O programu</source>
        <translation>About Kvorax</translation>
    </message>
    <message>
        <source>Rozpis heatů pro soutěže RC modelů.</source>
        <translation>Heat schedules for RC model contests.</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>License: GPL-3.0-or-later</translation>
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
        <translation>Please enter an integer.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Please enter a positive integer.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Please enter an integer between %1 and %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Please enter no more than %1 characters.</translation>
    </message>
</context>
<context>
    <name>CDialog</name>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>&amp;Close	Alt+F4</translation>
    </message>
</context>
<context>
    <name>CFileException</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist, or the path is not valid.</source>
        <translation>The folder of %1 does not exist, or the path is not valid.</translation>
    </message>
    <message>
        <source>Too many files are open to open %1.</source>
        <translation>Too many files are open to open %1.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Access to %1 was denied.</translation>
    </message>
    <message>
        <source>%1 is a folder or a device, not a file.</source>
        <translation>%1 is a folder or a device, not a file.</translation>
    </message>
    <message>
        <source>A device error occurred while reading or writing %1.</source>
        <translation>A device error occurred while reading or writing %1.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 is in use by another program.</translation>
    </message>
    <message>
        <source>The disk is full: %1 could not be written completely.</source>
        <translation>The disk is full: %1 could not be written completely.</translation>
    </message>
    <message>
        <source>%1 is too large to be a text file of this program.</source>
        <translation>%1 is too large to be a text file of this program.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while accessing %1.</source>
        <translation>An unexpected error occurred while accessing %1.</translation>
    </message>
    <message>
        <source>%1 could not be written completely: it would pass the size limit set for this program&apos;s files (ulimit -f).</source>
        <translation>%1 could not be written completely: it would pass the size limit set for this program&apos;s files (ulimit -f).</translation>
    </message>
</context>
<context>
    <name>CPathDlg</name>
    <message>
        <source>Text Files (*.txt)|*.txt|Comma Separated Files (*.csv)|*.csv</source>
        <translation>Text Files (*.txt)|*.txt|Comma Separated Files (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt</source>
        <translation>Text Files (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; is longer than %2 characters. Choose a file whose path is shorter.</source>
        <translation>The path &quot;%1&quot; is longer than %2 characters. Choose a file whose path is shorter.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>The file &quot;%1&quot; already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Comma Separated Files (*.csv)|*.csv</source>
        <translation>Comma Separated Files (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Web Pages (*.html)|*.html</source>
        <translation>Web Pages (*.html)|*.html</translation>
    </message>
</context>
<context>
    <name>CRaceDlg</name>
    <message>
        <source>The translation of the window into this language is not installed. The window keeps its language.</source>
        <translation>The translation of the window into this language is not installed. The window keeps its language.</translation>
    </message>
    <message>
        <source>This Pilot is already in the list! It will not be added again.</source>
        <translation>This Pilot is already in the list! It will not be added again.</translation>
    </message>
    <message>
        <source>The pilot list already holds %1 pilots, the most a schedule can take. No more pilots can be added.</source>
        <translation>The pilot list already holds %1 pilots, the most a schedule can take. No more pilots can be added.</translation>
    </message>
    <message>
        <source>You must select a pilot from the Pilots List before attempting to delete.</source>
        <translation>You must select a pilot from the Pilots List before attempting to delete.</translation>
    </message>
    <message>
        <source>You must select a pilot from the Pilots List before attempting to edit one.</source>
        <translation>You must select a pilot from the Pilots List before attempting to edit one.</translation>
    </message>
    <message>
        <source>Printing could not start. Check that the printer is available, or that the PDF file can be written where you chose to save it.</source>
        <translation>Printing could not start. Check that the printer is available, or that the PDF file can be written where you chose to save it.</translation>
    </message>
    <message>
        <source>The printout could not be finished. Check the printer.</source>
        <translation>The printout could not be finished. Check the printer.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to print a Matrix.</source>
        <translation>Please perform a Matrix Calculation before attempting to print a Matrix.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to print Heat Cards.</source>
        <translation>Please perform a Matrix Calculation before attempting to print Heat Cards.</translation>
    </message>
    <message>
        <source>%1 The pilot list was not changed.</source>
        <translation>%1 The pilot list was not changed.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to export a Matrix.</source>
        <translation>Please perform a Matrix Calculation before attempting to export a Matrix.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to export Heat Cards.</source>
        <translation>Please perform a Matrix Calculation before attempting to export Heat Cards.</translation>
    </message>
    <message>
        <source>print</source>
        <translation>print</translation>
    </message>
    <message>
        <source>The pilot list is empty. Add pilots or import a pilot list before calculating the matrix.</source>
        <translation>The pilot list is empty. Add pilots or import a pilot list before calculating the matrix.</translation>
    </message>
    <message>
        <source>The matrix calculation failed; there is no schedule to export or print.</source>
        <translation>The matrix calculation failed; there is no schedule to export or print.</translation>
    </message>
    <message>
        <source>The pilot list has changed since the matrix was calculated.</source>
        <translation>The pilot list has changed since the matrix was calculated.</translation>
    </message>
    <message>
        <source>The last matrix calculation failed, so there is no schedule to %1. Recalculate the matrix first.</source>
        <translation>The last matrix calculation failed, so there is no schedule to %1. Recalculate the matrix first.</translation>
    </message>
    <message>
        <source>The pilot list has changed since the matrix was calculated. Do you want to %1 the schedule as it was calculated?</source>
        <translation>The pilot list has changed since the matrix was calculated. Do you want to %1 the schedule as it was calculated?</translation>
    </message>
    <message>
        <source>export</source>
        <translation>export</translation>
    </message>
    <message>
        <source>Most meetings %1 (bound %2), pairs never met %3 (bound %4)</source>
        <translation>Most meetings %1 (bound %2), pairs never met %3 (bound %4)</translation>
    </message>
    <message>
        <source> - Escape stops</source>
        <translation> - Escape stops</translation>
    </message>
    <message>
        <source> - stopped early</source>
        <translation> - stopped early</translation>
    </message>
    <message>
        <source>A balanced calculation is running. Press Escape or Stop to end it first.</source>
        <translation>A balanced calculation is running. Press Escape or Stop to end it first.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to view the meeting statistics.</source>
        <translation>Please perform a Matrix Calculation before attempting to view the meeting statistics.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to export the meeting statistics.</source>
        <translation>Please perform a Matrix Calculation before attempting to export the meeting statistics.</translation>
    </message>
    <message>
        <source>, seed %1</source>
        <translation>, seed %1</translation>
    </message>
    <message>
        <source>Kvorax contest (*.kvorax)|*.kvorax</source>
        <translation>Kvorax contest (*.kvorax)|*.kvorax</translation>
    </message>
    <message>
        <source>The contest in the window was not changed.</source>
        <translation>The contest in the window was not changed.</translation>
    </message>
    <message>
        <source>The contest was saved to %1.</source>
        <translation>The contest was saved to %1.</translation>
    </message>
    <message>
        <source>Save the changes to the contest first?</source>
        <translation>Save the changes to the contest first?</translation>
    </message>
    <message numerus="yes">
        <source>The matrix was calculated for %n pilot (seed %1).</source>
        <translation>
            <numerusform>The matrix was calculated for %n pilot (seed %1).</numerusform>
            <numerusform>The matrix was calculated for %n pilots (seed %1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The matrix was calculated for %n pilots (seed %1).</source>
        <translation>
            <numerusform>The matrix was calculated for %n pilot (seed %1).</numerusform>
            <numerusform>The matrix was calculated for %n pilots (seed %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to export the schedule.</source>
        <translation>Please perform a Matrix Calculation before attempting to export the schedule.</translation>
    </message>
    <message>
        <source>&amp;Zpět: %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>Z&amp;novu: %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>Heaty</source>
        <translation>Heats</translation>
    </message>
    <message>
        <source> - the best possible schedule</source>
        <translation> - the best possible schedule</translation>
    </message>
    <message>
        <source>The file was left as it was.</source>
        <translation>The file was left as it was.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nothing was written.</translation>
    </message>
    <message>
        <source>The printout could not be written completely to the file &quot;%1&quot;; the disk may be full.</source>
        <translation>The printout could not be written completely to the file &quot;%1&quot;; the disk may be full.</translation>
    </message>
    <message>
        <source>The printout could not be written completely to the file &quot;%1&quot;: it would pass the size limit set for this program&apos;s files (ulimit -f).</source>
        <translation>The printout could not be written completely to the file &quot;%1&quot;: it would pass the size limit set for this program&apos;s files (ulimit -f).</translation>
    </message>
    <message>
        <source>Written to %1.</source>
        <translation>Written to %1.</translation>
    </message>
    <message>
        <source>Sent to the printer %1.</source>
        <translation>Sent to the printer %1.</translation>
    </message>
    <message>
        <source>Printed to %1.</source>
        <translation>Printed to %1.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to print Heat Sheets.</source>
        <translation>Please perform a Matrix Calculation before attempting to print Heat Sheets.</translation>
    </message>
    <message>
        <source>The pilot list is empty: there is nobody to print.</source>
        <translation>The pilot list is empty: there is nobody to print.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to export the web page.</source>
        <translation>Please perform a Matrix Calculation before attempting to export the web page.</translation>
    </message>
    <message>
        <source>Please perform a Matrix Calculation before attempting to export the heat list.</source>
        <translation>Please perform a Matrix Calculation before attempting to export the heat list.</translation>
    </message>
    <message>
        <source>Withdrawing a pilot needs a drawn schedule. Recalculate the matrix first.</source>
        <translation>Withdrawing a pilot needs a drawn schedule. Recalculate the matrix first.</translation>
    </message>
    <message>
        <source>Even out the heat sizes of the rounds from %1 on, moving as few pilots as possible?</source>
        <translation>Even out the heat sizes of the rounds from %1 on, moving as few pilots as possible?</translation>
    </message>
    <message>
        <source>A redraw from a round needs a drawn schedule. Recalculate the matrix first.</source>
        <translation>A redraw from a round needs a drawn schedule. Recalculate the matrix first.</translation>
    </message>
    <message>
        <source>Swapping pilots needs a drawn schedule. Recalculate the matrix first.</source>
        <translation>Swapping pilots needs a drawn schedule. Recalculate the matrix first.</translation>
    </message>
    <message>
        <source>Moving a pilot needs a drawn schedule. Recalculate the matrix first.</source>
        <translation>Moving a pilot needs a drawn schedule. Recalculate the matrix first.</translation>
    </message>
    <message>
        <source>A late entry needs a drawn schedule. Recalculate the matrix first.</source>
        <translation>A late entry needs a drawn schedule. Recalculate the matrix first.</translation>
    </message>
    <message>
        <source>The schedule has one round only, so a late pilot would fly none of it. Add the pilot to the list and recalculate instead.</source>
        <translation>The schedule has one round only, so a late pilot would fly none of it. Add the pilot to the list and recalculate instead.</translation>
    </message>
    <message>
        <source>%1
Draw the rounds from %2 on again with %3 among the pilots? The rounds before stay as they are.</source>
        <translation>%1
Draw the rounds from %2 on again with %3 among the pilots? The rounds before stay as they are.</translation>
    </message>
    <message>
        <source>The schedule is drawn already. Enter the new pilot late, into the rounds still to fly? No adds the pilot to the list only.</source>
        <translation>The schedule is drawn already. Enter the new pilot late, into the rounds still to fly? No adds the pilot to the list only.</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>withdrawn from round %1</source>
        <translation>withdrawn from round %1</translation>
    </message>
    <message>
        <source>from round %1</source>
        <translation>from round %1</translation>
    </message>
    <message>
        <source>Změna v mřížce heatů</source>
        <translation>Change in the Heat Grid</translation>
    </message>
</context>
<context>
    <name>CStatisticsDlg</name>
    <message>
        <source>Setkání</source>
        <translation>Meetings</translation>
    </message>
    <message>
        <source>Dvojic</source>
        <translation>Pairs</translation>
    </message>
    <message>
        <source>Soupeřů</source>
        <translation>Opponents</translation>
    </message>
    <message>
        <source>Nejvíce setkání jedné dvojice: %1 (mez: nejméně %2)
Nejméně setkání jedné dvojice: %3 (mez: nejvýše %4)
Dvojice, které se nepotkaly: %5 z %6 (mez: nejméně %7)
Meze platí pro velikosti heatů tohoto výsledku; ne každou lze dosáhnout.</source>
        <translation>Most meetings of one pair: %1 (bound: at least %2)
Fewest meetings of one pair: %3 (bound: at most %4)
Pairs that never met: %5 of %6 (bound: at least %7)
The bounds hold for the heat sizes of this result; not every one can be reached.</translation>
    </message>
    <message>
        <source>Dvojice, které se potkat nesmějí nebo nemohou (stejná frekvence nebo tým, žádné společné kolo), se nepočítají: %1.</source>
        <translation>Pairs that may not or cannot meet (same channel or team, no round flown together) are not counted: %1.</translation>
    </message>
</context>
<context>
    <name>ContestDay</name>
    <message>
        <source>The contest has no schedule to change.</source>
        <translation>The contest has no schedule to change.</translation>
    </message>
    <message>
        <source>The schedule has rounds 1 to %1; there is no round %2.</source>
        <translation>The schedule has rounds 1 to %1; there is no round %2.</translation>
    </message>
    <message>
        <source>The schedule has no pilot %1 %2.</source>
        <translation>The schedule has no pilot %1 %2.</translation>
    </message>
    <message>
        <source>The schedule has no pilot %1.</source>
        <translation>The schedule has no pilot %1.</translation>
    </message>
    <message>
        <source>A late entry needs the pilot&apos;s last name.</source>
        <translation>A late entry needs the pilot&apos;s last name.</translation>
    </message>
    <message>
        <source>%1 flies on channel %2; a channel is %3 to %4.</source>
        <translation>%1 flies on channel %2; a channel is %3 to %4.</translation>
    </message>
    <message>
        <source>%1 is on the schedule already.</source>
        <translation>%1 is on the schedule already.</translation>
    </message>
    <message>
        <source>The contest holds %1 pilots already, the most it takes.</source>
        <translation>The contest holds %1 pilots already, the most it takes.</translation>
    </message>
    <message>
        <source>%1 has withdrawn from round %2 already.</source>
        <translation>%1 has withdrawn from round %2 already.</translation>
    </message>
    <message>
        <source>%1 enters only from round %2 and cannot withdraw before it.</source>
        <translation>%1 enters only from round %2 and cannot withdraw before it.</translation>
    </message>
    <message>
        <source>No heat of round %1 can take %2: each is full (%3 pilots) or would break a rule.</source>
        <translation>No heat of round %1 can take %2: each is full (%3 pilots) or would break a rule.</translation>
    </message>
    <message>
        <source>%1 does not fly in round %2.</source>
        <translation>%1 does not fly in round %2.</translation>
    </message>
    <message>
        <source>%1 and %2 fly in the same heat %3 of round %4 already.</source>
        <translation>%1 and %2 fly in the same heat %3 of round %4 already.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot swap heats in round %3: %4</source>
        <translation>%1 and %2 cannot swap heats in round %3: %4</translation>
    </message>
    <message>
        <source>Round %1 has heats 1 to %2; there is no heat %3.</source>
        <translation>Round %1 has heats 1 to %2; there is no heat %3.</translation>
    </message>
    <message>
        <source>%1 flies in heat %2 of round %3 already.</source>
        <translation>%1 flies in heat %2 of round %3 already.</translation>
    </message>
    <message>
        <source>Heat %1 of round %2 is full: it holds %3 pilots, the most a heat takes.</source>
        <translation>Heat %1 of round %2 is full: it holds %3 pilots, the most a heat takes.</translation>
    </message>
    <message>
        <source>%1 cannot move to heat %2 of round %3: %4</source>
        <translation>%1 cannot move to heat %2 of round %3: %4</translation>
    </message>
    <message>
        <source>%1 cannot withdraw from round %2: %3</source>
        <translation>%1 cannot withdraw from round %2: %3</translation>
    </message>
    <message>
        <source>After this change some pilot of round %1 or later would have nobody free to time them.</source>
        <translation>After this change some pilot of round %1 or later would have nobody free to time them.</translation>
    </message>
</context>
<context>
    <name>ContestDialog</name>
    <message>
        <source>Soutěž</source>
        <translation>Contest</translation>
    </message>
    <message>
        <source>&amp;Název soutěže:</source>
        <translation>Contest &amp;name:</translation>
    </message>
    <message>
        <source>&amp;Datum:</source>
        <translation>&amp;Date:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ContestFile</name>
    <message>
        <source>The contest file</source>
        <translation>The contest file</translation>
    </message>
    <message>
        <source>The contest file is not JSON: %1 at line %2, column %3.</source>
        <translation>The contest file is not JSON: %1 at line %2, column %3.</translation>
    </message>
    <message>
        <source>The contest file is larger than %1 MiB, far more than any contest takes.</source>
        <translation>The contest file is larger than %1 MiB, far more than any contest takes.</translation>
    </message>
    <message>
        <source>The contest file is not a JSON object.</source>
        <translation>The contest file is not a JSON object.</translation>
    </message>
    <message>
        <source>This is not a contest file: its &quot;format&quot; is not &quot;%1&quot;.</source>
        <translation>This is not a contest file: its &quot;format&quot; is not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1: &quot;version&quot; must be a whole number from 1.</source>
        <translation>%1: &quot;version&quot; must be a whole number from 1.</translation>
    </message>
    <message>
        <source>This contest file is of version %1; this Kvorax reads version %2.</source>
        <translation>This contest file is of version %1; this Kvorax reads version %2.</translation>
    </message>
    <message>
        <source>%1: &quot;date&quot; must be a date written as YYYY-MM-DD, or null.</source>
        <translation>%1: &quot;date&quot; must be a date written as YYYY-MM-DD, or null.</translation>
    </message>
    <message>
        <source>The fields</source>
        <translation>The fields</translation>
    </message>
    <message>
        <source>Pilot %1</source>
        <translation>Pilot %1</translation>
    </message>
    <message>
        <source>The contest cannot be opened from &quot;%1&quot;: %2.</source>
        <translation>The contest cannot be opened from &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The contest cannot be saved to &quot;%1&quot;: %2. The file was left as it was.</source>
        <translation>The contest cannot be saved to &quot;%1&quot;: %2. The file was left as it was.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>it is not a file</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB, far more than any contest takes</source>
        <translation>it is larger than %1 MiB, far more than any contest takes</translation>
    </message>
    <message>
        <source>The contest cannot be opened from &quot;%1&quot;. %2</source>
        <translation>The contest cannot be opened from &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing.</source>
        <translation>%1: &quot;%2&quot; is missing.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; must be an object.</source>
        <translation>%1: &quot;%2&quot; must be an object.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; must be a list.</source>
        <translation>%1: &quot;%2&quot; must be a list.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; must be a whole number from %3 to %4.</source>
        <translation>%1: &quot;%2&quot; must be a whole number from %3 to %4.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; must be a text.</source>
        <translation>%1: &quot;%2&quot; must be a text.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; holds half of a character.</source>
        <translation>%1: &quot;%2&quot; holds half of a character.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is longer than %3 characters.</source>
        <translation>%1: &quot;%2&quot; is longer than %3 characters.</translation>
    </message>
    <message>
        <source>%1 must be an object.</source>
        <translation>%1 must be an object.</translation>
    </message>
    <message>
        <source>%1 must be a list.</source>
        <translation>%1 must be a list.</translation>
    </message>
    <message>
        <source>%1 lists %2 pilots; a contest holds at most %3.</source>
        <translation>%1 lists %2 pilots; a contest holds at most %3.</translation>
    </message>
    <message>
        <source>The schedule</source>
        <translation>The schedule</translation>
    </message>
    <message>
        <source>%1: &quot;draw&quot; must be &quot;random&quot; or &quot;balanced&quot;.</source>
        <translation>%1: &quot;draw&quot; must be &quot;random&quot; or &quot;balanced&quot;.</translation>
    </message>
    <message>
        <source>%1: seat %2 must be a pilot&apos;s index or null.</source>
        <translation>%1: seat %2 must be a pilot&apos;s index or null.</translation>
    </message>
    <message>
        <source>%1: seat %2 holds the index %3, but the pilot list has no pilot of that index (it holds %4).</source>
        <translation>%1: seat %2 holds the index %3, but the pilot list has no pilot of that index (it holds %4).</translation>
    </message>
    <message>
        <source>%1 has %2 seats; a heat has at most %3.</source>
        <translation>%1 has %2 seats; a heat has at most %3.</translation>
    </message>
    <message>
        <source>%1 has %2 heats; a round has 1 to %3.</source>
        <translation>%1 has %2 heats; a round has 1 to %3.</translation>
    </message>
    <message>
        <source>%1 differs from round 1 in its number of heats (%2 and %3).</source>
        <translation>%1 differs from round 1 in its number of heats (%2 and %3).</translation>
    </message>
    <message>
        <source>%1 has %2 rounds; a schedule has 1 to %3.</source>
        <translation>%1 has %2 rounds; a schedule has 1 to %3.</translation>
    </message>
    <message>
        <source>Pilot %1 of the schedule</source>
        <translation>Pilot %1 of the schedule</translation>
    </message>
    <message>
        <source>The contest file: &quot;schedule&quot; must be an object or null.</source>
        <translation>The contest file: &quot;schedule&quot; must be an object or null.</translation>
    </message>
    <message>
        <source>pilot %1 (%2 %3)</source>
        <translation>pilot %1 (%2 %3)</translation>
    </message>
    <message>
        <source>%1 has two pilots on channel %2: %3 and %4.</source>
        <translation>%1 has two pilots on channel %2: %3 and %4.</translation>
    </message>
    <message>
        <source>%1 seats %2 twice.</source>
        <translation>%1 seats %2 twice.</translation>
    </message>
    <message>
        <source>%1 leaves out %2.</source>
        <translation>%1 leaves out %2.</translation>
    </message>
    <message>
        <source>Round %1 of the schedule</source>
        <translation>Round %1 of the schedule</translation>
    </message>
    <message>
        <source>Round %1, heat %2 of the schedule</source>
        <translation>Round %1, heat %2 of the schedule</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; must be true or false.</source>
        <translation>%1: &quot;%2&quot; must be true or false.</translation>
    </message>
    <message>
        <source>The rules</source>
        <translation>The rules</translation>
    </message>
    <message>
        <source>%1: &quot;timekeepers&quot; must be true or false.</source>
        <translation>%1: &quot;timekeepers&quot; must be true or false.</translation>
    </message>
    <message>
        <source>%1 has two pilots of team %2: %3 and %4.</source>
        <translation>%1 has two pilots of team %2: %3 and %4.</translation>
    </message>
    <message>
        <source>%1 seats %2, who does not fly in it (withdrawn or entered later).</source>
        <translation>%1 seats %2, who does not fly in it (withdrawn or entered later).</translation>
    </message>
    <message>
        <source>%1 flies the last heat of round %2 and the first heat of round %3, back to back.</source>
        <translation>%1 flies the last heat of round %2 and the first heat of round %3, back to back.</translation>
    </message>
    <message>
        <source>The schedule&apos;s &quot;timedBy&quot;</source>
        <translation>The schedule&apos;s &quot;timedBy&quot;</translation>
    </message>
    <message>
        <source>%1: seat %2 is empty, so its timekeeper must be null.</source>
        <translation>%1: seat %2 is empty, so its timekeeper must be null.</translation>
    </message>
    <message>
        <source>%1: the timekeeper of seat %2 must be the index of a pilot of the list.</source>
        <translation>%1: the timekeeper of seat %2 must be the index of a pilot of the list.</translation>
    </message>
    <message>
        <source>%1: %2 may not time seat %3 (%4): a timekeeper flies the round, but neither in that heat nor, in a round of three heats or more, the next.</source>
        <translation>%1: %2 may not time seat %3 (%4): a timekeeper flies the round, but neither in that heat nor, in a round of three heats or more, the next.</translation>
    </message>
    <message>
        <source>%1 has %2 rounds; the schedule has %3.</source>
        <translation>%1 has %2 rounds; the schedule has %3.</translation>
    </message>
    <message>
        <source>%1: round %2 has %3 heats; the schedule has %4.</source>
        <translation>%1: round %2 has %3 heats; the schedule has %4.</translation>
    </message>
    <message>
        <source>%1: &quot;timedBy&quot; lists timekeepers, so &quot;timekeepers&quot; must be true.</source>
        <translation>%1: &quot;timedBy&quot; lists timekeepers, so &quot;timekeepers&quot; must be true.</translation>
    </message>
    <message>
        <source>%1: &quot;noBackToBack&quot; must be true or false.</source>
        <translation>%1: &quot;noBackToBack&quot; must be true or false.</translation>
    </message>
    <message>
        <source>The contest cannot be saved to &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>The contest cannot be saved to &quot;%1&quot;: %2. Nothing was written.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; may not contain a comma.</source>
        <translation>%1: &quot;%2&quot; may not contain a comma.</translation>
    </message>
</context>
<context>
    <name>DrawFailureMessage</name>
    <message numerus="yes">
        <source>%n pilot</source>
        <translation>
            <numerusform>%n pilot</numerusform>
            <numerusform>%n pilots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pilots</source>
        <translation>
            <numerusform>%n pilot</numerusform>
            <numerusform>%n pilots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n heat</source>
        <translation>
            <numerusform>%n heat</numerusform>
            <numerusform>%n heats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n heats</source>
        <translation>
            <numerusform>%n heat</numerusform>
            <numerusform>%n heats</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n place</source>
        <translation>
            <numerusform>%n place</numerusform>
            <numerusform>%n places</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n places</source>
        <translation>
            <numerusform>%n place</numerusform>
            <numerusform>%n places</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot all fly in one round of %2 with %3 each: a round has only %4. Use more heats or more pilots per heat.</source>
        <translation>%1 cannot all fly in one round of %2 with %3 each: a round has only %4. Use more heats or more pilots per heat.</translation>
    </message>
    <message>
        <source>Use fewer pilots per heat.</source>
        <translation>Use fewer pilots per heat.</translation>
    </message>
    <message>
        <source>Use at least %1 and fewer pilots per heat.</source>
        <translation>Use at least %1 and fewer pilots per heat.</translation>
    </message>
    <message>
        <source>A round has at most %1, so move some of these pilots to other channels.</source>
        <translation>A round has at most %1, so move some of these pilots to other channels.</translation>
    </message>
    <message>
        <source>%1 fly on channel %2, but the %3 of a round fill only %4 of %5 each, and no heat may hold two pilots on one channel. %6</source>
        <translation>%1 fly on channel %2, but the %3 of a round fill only %4 of %5 each, and no heat may hold two pilots on one channel. %6</translation>
    </message>
    <message>
        <source>Cannot resolve frequency conflict. Rerun Matrix to reseed random number generator.</source>
        <translation>Cannot resolve frequency conflict. Rerun Matrix to reseed random number generator.</translation>
    </message>
    <message>
        <source>Team %1 has %2 but a round has only %3.</source>
        <translation>Team %1 has %2 but a round has only %3.</translation>
    </message>
    <message>
        <source>Team %1 has %2, but the %3 of a round fill only %4 of %5 each, and no heat may hold two pilots of one team. Use fewer pilots per heat.</source>
        <translation>Team %1 has %2, but the %3 of a round fill only %4 of %5 each, and no heat may hold two pilots of one team. Use fewer pilots per heat.</translation>
    </message>
    <message>
        <source>The pilots fill only one heat a round, so they fly the last heat of each round and the first of the next: &quot;Ne dvakrát po sobě&quot; cannot hold. Use fewer pilots per heat, or clear the option.</source>
        <translation>The pilots fill only one heat a round, so they fly the last heat of each round and the first of the next: &quot;No back-to-back&quot; cannot hold. Use fewer pilots per heat, or clear the option.</translation>
    </message>
</context>
<context>
    <name>DrawStatusWriter</name>
    <message>
        <source>Clearing data...</source>
        <translation>Clearing data...</translation>
    </message>
    <message>
        <source>Building Pilots&apos; list...</source>
        <translation>Building Pilots&apos; list...</translation>
    </message>
    <message>
        <source>Working Round %1, Heat %2</source>
        <translation>Working Round %1, Heat %2</translation>
    </message>
    <message>
        <source>Freq conflict Round %1, Heat %2, channel %3. Retrying...</source>
        <translation>Freq conflict Round %1, Heat %2, channel %3. Retrying...</translation>
    </message>
</context>
<context>
    <name>FontSizeDialog</name>
    <message>
        <source>Výběr velikosti fontu</source>
        <translation>Font Size</translation>
    </message>
    <message>
        <source>Zadej základní velikost fontu pro tisk.</source>
        <translation>Enter the base font size for printing.</translation>
    </message>
    <message>
        <source>Začni nový sloupec pro každé kolo</source>
        <translation>Start a new column for each round</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Náhled</source>
        <translation>&amp;Preview</translation>
    </message>
</context>
<context>
    <name>HeatCards</name>
    <message>
        <source>withdrawn from round %1</source>
        <translation>withdrawn from round %1</translation>
    </message>
    <message>
        <source>late from round %1</source>
        <translation>late from round %1</translation>
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
        <translation>Round %1</translation>
    </message>
    <message>
        <source>Pilot mění heat jen v rámci svého kola.</source>
        <translation>A pilot changes heats only within the round.</translation>
    </message>
</context>
<context>
    <name>LateEntryDialog</name>
    <message>
        <source>Pozdní přihlášení</source>
        <translation>Late Entry</translation>
    </message>
    <message>
        <source>&amp;Příjmení pilota:</source>
        <translation>&amp;Last name:</translation>
    </message>
    <message>
        <source>&amp;Jméno pilota:</source>
        <translation>&amp;First name:</translation>
    </message>
    <message>
        <source>&amp;Frekvence:</source>
        <translation>Fre&amp;quency:</translation>
    </message>
    <message>
        <source>&amp;Tým:</source>
        <translation>&amp;Team:</translation>
    </message>
    <message>
        <source>Od &amp;kola:</source>
        <translation>From &amp;round:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Vybrat</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>&amp;Uložit jako:</source>
        <translation>&amp;Save as:</translation>
    </message>
    <message>
        <source>Import seznamu pilotů</source>
        <translation>Import Pilot List</translation>
    </message>
    <message>
        <source>Cesta k importovanému souboru:</source>
        <translation>Path of the file to import:</translation>
    </message>
    <message>
        <source>Můžete importovat ASCII soubor ve kterém jsou jednotlivé položky odděleny čárkou. Záznam každého pilota musí být v jedné řádce. Struktura záznamu má tento tvar:</source>
        <translation>You can import an ASCII file in which the items are separated by commas. Each pilot&apos;s record must be on one line. A record has this form:</translation>
    </message>
    <message>
        <source>příjmení pilota, jméno pilota, frekvence</source>
        <translation>pilot&apos;s last name, pilot&apos;s first name, frequency</translation>
    </message>
    <message>
        <source>Export seznamu pilotů</source>
        <translation>Export Pilot List</translation>
    </message>
    <message>
        <source>Můžete uložit aktuální seznam pilotů do souboru, který se dá později importovat a použít. Vložte jméno souboru a vyberte místo pro uložení.</source>
        <translation>You can save the current pilot list to a file that can be imported and used later. Enter a file name and choose where to save it.</translation>
    </message>
    <message>
        <source>Export Matrixu</source>
        <translation>Export Matrix</translation>
    </message>
    <message>
        <source>Můžete uložit aktuální vypočítaný Matrix do souboru, který se dá upravit ve vašem oblíbeném textovém editoru. Tento soubor obsahuje všechny heaty, jména pilotů a použité frekvence.</source>
        <translation>You can save the calculated matrix to a file that you can edit in your favourite text editor. The file holds all heats, the pilots&apos; names and the frequencies used.</translation>
    </message>
    <message>
        <source>Export karty heatů</source>
        <translation>Export Heat Cards</translation>
    </message>
    <message>
        <source>Můžete vytvořit kartu s rozpisem heatů pro každého pilota. Exportovaný textový soubor lze upravit ve vašem oblíbeném textovém editoru.</source>
        <translation>You can create a card with the heat schedule of each pilot. The exported text file can be edited in your favourite text editor.</translation>
    </message>
    <message>
        <source>Export statistiky setkání</source>
        <translation>Export Meeting Statistics</translation>
    </message>
    <message>
        <source>Můžete uložit, kolikrát se potkala každá dvojice pilotů, do souboru CSV, který otevře tabulkový procesor. Každý řádek: příjmení, jméno, příjmení, jméno, počet setkání.</source>
        <translation>You can save how often each pair of pilots met to a CSV file that a spreadsheet opens. Each line: last name, first name, last name, first name, number of meetings.</translation>
    </message>
    <message>
        <source>Export rozpisu (CSV)</source>
        <translation>Export Schedule (CSV)</translation>
    </message>
    <message>
        <source>Můžete uložit rozpis heatů do souboru CSV pro tabulkový procesor nebo webovou stránku klubu. Každý řádek: kolo, heat, příjmení, jméno, frekvence, tým, časoměřič.</source>
        <translation>You can save the heat schedule to a CSV file for a spreadsheet or the club&apos;s web page. Each line: round, heat, last name, first name, channel, team, timekeeper.</translation>
    </message>
    <message>
        <source>Export časoměřičů</source>
        <translation>Export Timekeepers</translation>
    </message>
    <message>
        <source>Můžete uložit seznam heatů pro stolek časoměřičů: pro každý heat jeho piloty s frekvencí, týmem a tím, kdo jim měří čas.</source>
        <translation>You can save the heat list for the timekeepers&apos; table: for each heat its pilots with channel, team and who times them.</translation>
    </message>
    <message>
        <source>Export webové stránky</source>
        <translation>Export Web Page</translation>
    </message>
    <message>
        <source>Můžete uložit rozpis heatů jako jednu webovou stránku, kterou piloti otevřou v telefonu a najdou v ní své heaty.</source>
        <translation>You can save the heat schedule as one web page, which pilots open on their phones to find their heats.</translation>
    </message>
</context>
<context>
    <name>PilotDialog</name>
    <message>
        <source>&amp;Jméno pilota:</source>
        <translation>&amp;First name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vložení pilota</source>
        <translation>Add Pilot</translation>
    </message>
    <message>
        <source>&amp;Příjmení Pilota:</source>
        <translation>&amp;Last name:</translation>
    </message>
    <message>
        <source>&amp;Frekvence:</source>
        <translation>Fre&amp;quency:</translation>
    </message>
    <message>
        <source>Chci vložit dalšího pilota</source>
        <translation>Add another pilot</translation>
    </message>
    <message>
        <source>Editování pilota</source>
        <translation>Edit Pilot</translation>
    </message>
    <message>
        <source>&amp;Příjmení pilota:</source>
        <translation>&amp;Last name:</translation>
    </message>
    <message>
        <source>&amp;Frekvence</source>
        <translation>Fre&amp;quency</translation>
    </message>
    <message>
        <source>&amp;Tým:</source>
        <translation>&amp;Team:</translation>
    </message>
</context>
<context>
    <name>PilotFieldsExchange</name>
    <message>
        <source>A pilot&apos;s name cannot contain a comma, because commas separate the names and the channel in the pilot list. Please remove the comma.</source>
        <translation>A pilot&apos;s name cannot contain a comma, because commas separate the names and the channel in the pilot list. Please remove the comma.</translation>
    </message>
    <message>
        <source>Please enter the pilot&apos;s last name.</source>
        <translation>Please enter the pilot&apos;s last name.</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>Printing %1</source>
        <translation>Printing %1</translation>
    </message>
    <message>
        <source>%1 printed at size %2: size %3 does not fit the page</source>
        <translation>%1 printed at size %2: size %3 does not fit the page</translation>
    </message>
    <message>
        <source>Heat Cards</source>
        <translation>Heat Cards</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Flight time</source>
        <translation>Flight time</translation>
    </message>
    <message>
        <source>Landing</source>
        <translation>Landing</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Round %1, Heat %2</source>
        <translation>Round %1, Heat %2</translation>
    </message>
    <message>
        <source>Timekeeper&apos;s signature:</source>
        <translation>Timekeeper&apos;s signature:</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Present</translation>
    </message>
    <message>
        <source>Pilots: %1</source>
        <translation>Pilots: %1</translation>
    </message>
    <message>
        <source>Heat Sheets</source>
        <translation>Heat Sheets</translation>
    </message>
    <message>
        <source>Pilot List</source>
        <translation>Pilot List</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Timekeeper</source>
        <translation>Timekeeper</translation>
    </message>
</context>
<context>
    <name>RaceDialog</name>
    <message>
        <source>&amp;Soubor</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Import seznamu pilotů</source>
        <translation>&amp;Import Pilot List</translation>
    </message>
    <message>
        <source>&amp;Export seznamu pilotů</source>
        <translation>&amp;Export Pilot List</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Matrix</source>
        <translation>&amp;Matrix</translation>
    </message>
    <message>
        <source>&amp;Přepočítat</source>
        <translation>&amp;Recalculate</translation>
    </message>
    <message>
        <source>&amp;Export Matrixu</source>
        <translation>&amp;Export Matrix</translation>
    </message>
    <message>
        <source>Export karty &amp;heatů </source>
        <translation>Export &amp;Heat Cards</translation>
    </message>
    <message>
        <source>Pi&amp;lot</source>
        <translation>Pi&amp;lot</translation>
    </message>
    <message>
        <source>&amp;Vložit</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Odstranit</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Editovat</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Tisk</source>
        <translation>Pri&amp;nt</translation>
    </message>
    <message>
        <source>&amp;Karta heatů</source>
        <translation>&amp;Heat Cards</translation>
    </message>
    <message>
        <source>&amp;Jazyk / Language</source>
        <translation>&amp;Jazyk / Language</translation>
    </message>
    <message>
        <source>&amp;Výchozí</source>
        <translation>&amp;Default</translation>
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
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Kola</source>
        <translation>&amp;Rounds</translation>
    </message>
    <message>
        <source>&amp;Heaty</source>
        <translation>&amp;Heats</translation>
    </message>
    <message>
        <source>&amp;Pilotů v heatu</source>
        <translation>&amp;Pilots per heat</translation>
    </message>
    <message>
        <source>Seznam pilotů</source>
        <translation>Pilot list</translation>
    </message>
    <message>
        <source>Výpočet Matrixu</source>
        <translation>Matrix result</translation>
    </message>
    <message>
        <source>&amp;Vyvážený přepočet</source>
        <translation>&amp;Balanced Recalculation</translation>
    </message>
    <message>
        <source>&amp;Statistika setkání</source>
        <translation>Meeting &amp;Statistics</translation>
    </message>
    <message>
        <source>&amp;Zastavit</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>&amp;Nová soutěž</source>
        <translation>&amp;New Contest</translation>
    </message>
    <message>
        <source>&amp;Otevřít soutěž…</source>
        <translation>&amp;Open Contest…</translation>
    </message>
    <message>
        <source>Uložit &amp;soutěž</source>
        <translation>&amp;Save Contest</translation>
    </message>
    <message>
        <source>Uložit soutěž &amp;jako…</source>
        <translation>Save Contest &amp;As…</translation>
    </message>
    <message>
        <source>Sou&amp;těž…</source>
        <translation>Contest &amp;Details…</translation>
    </message>
    <message>
        <source>Export rozpisu (&amp;CSV)…</source>
        <translation>Export Schedule (&amp;CSV)…</translation>
    </message>
    <message>
        <source>Úp&amp;ravy</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Zpět</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Z&amp;novu</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Export &amp;webové stránky…</source>
        <translation>Export &amp;Web Page…</translation>
    </message>
    <message>
        <source>&amp;Startovní listiny</source>
        <translation>Heat &amp;Sheets</translation>
    </message>
    <message>
        <source>Seznam &amp;pilotů</source>
        <translation>&amp;Pilot List</translation>
    </message>
    <message>
        <source>Export čas&amp;oměřičů…</source>
        <translation>Export &amp;Timekeepers…</translation>
    </message>
    <message>
        <source>&amp;Ne dvakrát po sobě</source>
        <translation>No &amp;back-to-back</translation>
    </message>
    <message>
        <source>&amp;Časoměřiči</source>
        <translation>&amp;Timekeepers</translation>
    </message>
    <message>
        <source>Ods&amp;toupení…</source>
        <translation>Withdraw &amp;Pilot…</translation>
    </message>
    <message>
        <source>Přepočítat od &amp;kola…</source>
        <translation>Re&amp;draw From Round…</translation>
    </message>
    <message>
        <source>Po&amp;zdní přihlášení…</source>
        <translation>&amp;Late Entry…</translation>
    </message>
    <message>
        <source>Prohodit p&amp;iloty…</source>
        <translation>Sw&amp;ap Pilots…</translation>
    </message>
    <message>
        <source>Přes&amp;unout pilota…</source>
        <translation>&amp;Move Pilot…</translation>
    </message>
    <message>
        <source>Zo&amp;brazení</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Strom rozpisu</source>
        <translation>&amp;Schedule Tree</translation>
    </message>
    <message>
        <source>&amp;Mřížka heatů</source>
        <translation>&amp;Heat Grid</translation>
    </message>
</context>
<context>
    <name>RedrawFromDialog</name>
    <message>
        <source>Přepočítat od kola</source>
        <translation>Redraw From Round</translation>
    </message>
    <message>
        <source>Od &amp;kola:</source>
        <translation>From &amp;round:</translation>
    </message>
    <message>
        <source>&amp;Vyvážený přepočet</source>
        <translation>&amp;Balanced draw</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ResultTree</name>
    <message>
        <source>Round %1, Heat %2</source>
        <translation>Round %1, Heat %2</translation>
    </message>
    <message>
        <source>%1 – timed by %2 %3</source>
        <translation>%1 – timed by %2 %3</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>1 line was</source>
        <translation>1 line was</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were</source>
        <translation>
            <numerusform>%n line was</numerusform>
            <numerusform>%n lines were</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 pilots were imported from &quot;%2&quot;. The pilot list holds at most %3 pilots, so %4 left out.</source>
        <translation>%1 pilots were imported from &quot;%2&quot;. The pilot list holds at most %3 pilots, so %4 left out.</translation>
    </message>
    <message>
        <source>has fewer than three fields (last name, first name and channel)</source>
        <translation>has fewer than three fields (last name, first name and channel)</translation>
    </message>
    <message>
        <source>separates its fields with semicolons, but the fields of a pilot must be separated by commas</source>
        <translation>separates its fields with semicolons, but the fields of a pilot must be separated by commas</translation>
    </message>
    <message>
        <source>has no channel</source>
        <translation>has no channel</translation>
    </message>
    <message>
        <source>has a channel that is not a whole number</source>
        <translation>has a channel that is not a whole number</translation>
    </message>
    <message>
        <source>has a channel outside %1 to %2</source>
        <translation>has a channel outside %1 to %2</translation>
    </message>
    <message>
        <source>1 more line cannot be imported either.</source>
        <translation>1 more line cannot be imported either.</translation>
    </message>
    <message numerus="yes">
        <source>%n more lines cannot be imported either.</source>
        <translation>
            <numerusform>%n more line cannot be imported either.</numerusform>
            <numerusform>%n more lines cannot be imported either.</numerusform>
        </translation>
    </message>
    <message>
        <source>The pilot list was not changed.</source>
        <translation>The pilot list was not changed.</translation>
    </message>
    <message>
        <source>The pilots cannot be imported from &quot;%1&quot;: it is not text in UTF-8, UTF-16, UTF-32 or Windows-1250.</source>
        <translation>The pilots cannot be imported from &quot;%1&quot;: it is not text in UTF-8, UTF-16, UTF-32 or Windows-1250.</translation>
    </message>
    <message>
        <source>The pilots cannot be imported from &quot;%1&quot;: line %2 (&quot;%3&quot;) %4.</source>
        <translation>The pilots cannot be imported from &quot;%1&quot;: line %2 (&quot;%3&quot;) %4.</translation>
    </message>
</context>
<context>
    <name>RoundListsDialog</name>
    <message>
        <source>Vyberte heat, do kterého pilot přejde.</source>
        <translation>Choose the heat the pilot moves to.</translation>
    </message>
    <message>
        <source>Vyberte pilota v seznamu vlevo.</source>
        <translation>Choose a pilot in the list on the left.</translation>
    </message>
    <message>
        <source>Vyberte druhého pilota.</source>
        <translation>Choose the second pilot.</translation>
    </message>
    <message>
        <source>&amp;Kolo:</source>
        <translation>&amp;Round:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Prohodit piloty</source>
        <translation>Swap Pilots</translation>
    </message>
    <message>
        <source>&amp;První pilot:</source>
        <translation>&amp;First pilot:</translation>
    </message>
    <message>
        <source>&amp;Druhý pilot:</source>
        <translation>&amp;Second pilot:</translation>
    </message>
    <message>
        <source>Přesunout pilota</source>
        <translation>Move Pilot</translation>
    </message>
    <message>
        <source>&amp;Pilot:</source>
        <translation>&amp;Pilot:</translation>
    </message>
    <message>
        <source>Do &amp;heatu:</source>
        <translation>To &amp;heat:</translation>
    </message>
    <message>
        <source>Vyberte dva různé piloty.</source>
        <translation>Choose two different pilots.</translation>
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
        <translation>Round %1</translation>
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
        <translation>Channel</translation>
    </message>
    <message>
        <source>Heat schedule</source>
        <translation>Heat schedule</translation>
    </message>
    <message>
        <source>Find your heats: type your name</source>
        <translation>Find your heats: type your name</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>Timekeeper %1</source>
        <translation>Timekeeper %1</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Statistika setkání</source>
        <translation>Meeting Statistics</translation>
    </message>
    <message>
        <source>Dvojice podle počtu setkání</source>
        <translation>Pairs by number of meetings</translation>
    </message>
    <message>
        <source>Kolikrát se potkali (řádek: soupeřů z možných)</source>
        <translation>How often they met (row: opponents of those possible)</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
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
        <translation>&amp;About Kvorax...</translation>
    </message>
</context>
<context>
    <name>TextFileExport</name>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Nothing was written.</translation>
    </message>
    <message>
        <source>%1 Not everything could be written.</source>
        <translation>%1 Not everything could be written.</translation>
    </message>
    <message>
        <source>%1 The file was left as it was.</source>
        <translation>%1 The file was left as it was.</translation>
    </message>
</context>
<context>
    <name>Timekeepers</name>
    <message>
        <source>The pilots fill only one heat a round, so nobody is free to time them. The schedule has no timekeepers; use fewer pilots per heat to have them.</source>
        <translation>The pilots fill only one heat a round, so nobody is free to time them. The schedule has no timekeepers; use fewer pilots per heat to have them.</translation>
    </message>
</context>
<context>
    <name>WithdrawDialog</name>
    <message>
        <source>Vyberte pilota, který odstupuje.</source>
        <translation>Choose the pilot who withdraws.</translation>
    </message>
    <message>
        <source>Odstoupení</source>
        <translation>Withdrawal</translation>
    </message>
    <message>
        <source>&amp;Pilot:</source>
        <translation>&amp;Pilot:</translation>
    </message>
    <message>
        <source>Od &amp;kola:</source>
        <translation>From &amp;round:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
