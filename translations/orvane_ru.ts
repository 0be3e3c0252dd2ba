<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Charsets</name>
    <message>
        <source>Western</source>
        <translation>Западноевропейская</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Центральноевропейская</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Кириллица</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Греческая</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкая</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Иврит</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабская</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Балтийская</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Вьетнамская</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Тайская</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Китайская упрощённая</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Китайская традиционная</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японская</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейская</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>The list of last files can not be stored.</source>
        <translation>Список последних файлов не удаётся сохранить.</translation>
    </message>
    <message numerus="yes">
        <source>The database has %n error. Write into the receiver anyway?</source>
        <translation>
            <numerusform>В базе данных %n ошибка. Всё равно записать в приёмник?</numerusform>
            <numerusform>В базе данных %n ошибки. Всё равно записать в приёмник?</numerusform>
            <numerusform>В базе данных %n ошибок. Всё равно записать в приёмник?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The database has %n errors. Write into the receiver anyway?</source>
        <translation>
            <numerusform>В базе данных %n ошибка. Всё равно записать в приёмник?</numerusform>
            <numerusform>В базе данных %n ошибки. Всё равно записать в приёмник?</numerusform>
            <numerusform>В базе данных %n ошибок. Всё равно записать в приёмник?</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare...</source>
        <translation>Сравнить...</translation>
    </message>
</context>
<context>
    <name>NameField</name>
    <message>
        <source>The name is too long: %1 bytes in %2, at most %3.</source>
        <translation>Имя слишком длинное: %1 байт в %2, допустимо не более %3.</translation>
    </message>
    <message>
        <source>The name cannot be written in %1: it has no &quot;%2&quot;.</source>
        <translation>Имя нельзя записать в %1: в ней нет «%2».</translation>
    </message>
</context>
<context>
    <name>Orvane</name>
    <message>
        <source>File is being opened now. Please wait......</source>
        <translation>Файл открывается. Подождите......</translation>
    </message>
    <message>
        <source>File is being save now. Please wait......</source>
        <translation>Файл сохраняется. Подождите......</translation>
    </message>
    <message>
        <source>Setting not saved, exit anyway?</source>
        <translation>Изменения не сохранены. Всё равно выйти?</translation>
    </message>
    <message>
        <source>Setting not saved, open another file anyway?</source>
        <translation>Изменения не сохранены. Всё равно открыть другой файл?</translation>
    </message>
    <message>
        <source>The file has existed, are you sure to cover it?</source>
        <translation>Файл уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>Open The File Name:  </source>
        <translation>Открыт файл:  </translation>
    </message>
    <message>
        <source>FileName:  </source>
        <translation>Имя файла:  </translation>
    </message>
    <message>
        <source>Modifiable [FDD] Version:</source>
        <translation>Изменяемая версия [FDD]:</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Восстановить резервную копию</translation>
    </message>
    <message>
        <source>Backups of replaced database files in %1, newest first. The chosen one goes back into the file it was taken from; save it to keep it.</source>
        <translation>Резервные копии заменённых файлов базы в %1, сначала самые новые. Выбранная копия возвращается в файл, из которого она сделана; сохраните его, чтобы оставить изменения.</translation>
    </message>
    <message>
        <source>Restore the backup into...</source>
        <translation>Восстановить резервную копию в...</translation>
    </message>
    <message>
        <source>not a database file</source>
        <translation>не файл базы данных</translation>
    </message>
    <message>
        <source>Check database</source>
        <translation>Проверка базы данных</translation>
    </message>
    <message>
        <source>Remove duplicate programs</source>
        <translation>Удалить дубликаты программ</translation>
    </message>
    <message>
        <source>Delete all empty transponders</source>
        <translation>Удалить все пустые транспондеры</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or later</source>
        <translation>GNU General Public License версии 3 или более поздней</translation>
    </message>
    <message>
        <source>Check database...</source>
        <translation>Проверить базу данных...</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Найти...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Найти далее</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Найти ранее</translation>
    </message>
    <message>
        <source>Order like another file</source>
        <translation>Упорядочить как в другом файле</translation>
    </message>
    <message>
        <source>Move programs</source>
        <translation>Переместить программы</translation>
    </message>
    <message>
        <source>Programs are matched to the programs of the other file by kind (TV or radio), service id and the frequency of their transponder (within 2 MHz for satellites), then by name. Matched programs take the other file&apos;s order; the others follow in their own order.</source>
        <translation>Программы сопоставляются с программами другого файла по типу (ТВ или радио), идентификатору сервиса и частоте их транспондера (для спутников с точностью до 2 МГц), затем по имени. Сопоставленные программы получают порядок другого файла; остальные следуют за ними в своём порядке.</translation>
    </message>
    <message>
        <source>Also take the names of the matched programs</source>
        <translation>Также взять имена сопоставленных программ</translation>
    </message>
    <message>
        <source>Also take the favourite groups of the matched programs, and the groups&apos; names</source>
        <translation>Также взять группы избранного сопоставленных программ и имена групп</translation>
    </message>
    <message>
        <source>Export program list</source>
        <translation>Экспорт списка программ</translation>
    </message>
    <message>
        <source>Import program list</source>
        <translation>Импорт списка программ</translation>
    </message>
    <message>
        <source>The program list was not imported:</source>
        <translation>Список программ не импортирован:</translation>
    </message>
    <message>
        <source>Satellites:</source>
        <translation>Спутники:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Информация:</translation>
    </message>
    <message>
        <source>Transponder:</source>
        <translation>Транспондеры:</translation>
    </message>
    <message>
        <source>FAV:</source>
        <translation>Избранное:</translation>
    </message>
    <message>
        <source>TV Channels:</source>
        <translation>ТВ-программы:</translation>
    </message>
    <message>
        <source>Radio Channels:</source>
        <translation>Радиопрограммы:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Satellite transponders</source>
        <translation>Спутниковые транспондеры</translation>
    </message>
    <message>
        <source>Transponders of the fullest satellite</source>
        <translation>Транспондеры самого заполненного спутника</translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation>Эфирные транспондеры</translation>
    </message>
    <message>
        <source>Transponders of the fullest terrestrial group</source>
        <translation>Транспондеры самой заполненной эфирной группы</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Программы</translation>
    </message>
    <message>
        <source>TV programs</source>
        <translation>ТВ-программы</translation>
    </message>
    <message>
        <source>Radio programs</source>
        <translation>Радиопрограммы</translation>
    </message>
    <message>
        <source>Satellite programs on the fullest transponder</source>
        <translation>Спутниковые программы на самом заполненном транспондере</translation>
    </message>
    <message>
        <source>Audio tracks</source>
        <translation>Звуковые дорожки</translation>
    </message>
    <message>
        <source>Named favourite groups</source>
        <translation>Названные группы избранного</translation>
    </message>
    <message>
        <source>Channel Data</source>
        <translation>Данные каналов</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Стандартные</translation>
    </message>
    <message>
        <source>Find an error, when opening this file,<byte value="xd"/><byte value="xd"/>Maybe it inexistent!</source>
        <translation>При открытии этого файла произошла ошибка,<byte value="xd"/><byte value="xd"/>возможно, он не существует!</translation>
    </message>
    <message>
        <source>File wrong!</source>
        <translation>Неверный файл!</translation>
    </message>
    <message>
        <source>File CRC wrong!</source>
        <translation>Неверная CRC файла!</translation>
    </message>
    <message>
        <source>Decompress Error!</source>
        <translation>Ошибка распаковки!</translation>
    </message>
    <message>
        <source>Data too large, can not be saved!</source>
        <translation>Данные слишком велики, сохранить невозможно!</translation>
    </message>
    <message>
        <source>Find an error, when saving this file,</source>
        <translation>При сохранении этого файла произошла ошибка:</translation>
    </message>
    <message>
        <source>Find an error, when opening this file,</source>
        <translation>При открытии этого файла произошла ошибка:</translation>
    </message>
    <message>
        <source>Find an error, when writing the working copy into this folder,</source>
        <translation>При записи рабочей копии в эту папку произошла ошибка:</translation>
    </message>
    <message>
        <source>Find an error, when backing up the old file into this folder,</source>
        <translation>При резервном копировании старого файла в эту папку произошла ошибка:</translation>
    </message>
    <message>
        <source>The old file was not replaced.</source>
        <translation>Старый файл не был заменён.</translation>
    </message>
    <message>
        <source>The Program is free!</source>
        <translation>Открытая программа!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; не является допустимым целым числом</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; не является допустимым дробным числом</translation>
    </message>
    <message>
        <source>Illegal Data!</source>
        <translation>Недопустимые данные!</translation>
    </message>
    <message>
        <source>Connectting...</source>
        <translation>Соединение...</translation>
    </message>
    <message>
        <source>Connect failed!</source>
        <translation>Не удалось соединиться!</translation>
    </message>
    <message>
        <source>Connect Success!</source>
        <translation>Соединение установлено!</translation>
    </message>
    <message>
        <source>Transfer...</source>
        <translation>Передача...</translation>
    </message>
    <message>
        <source>Transfer failed!</source>
        <translation>Передача не удалась!</translation>
    </message>
    <message>
        <source>Transfer Success!</source>
        <translation>Передача выполнена!</translation>
    </message>
    <message>
        <source>Verify...</source>
        <translation>Проверка...</translation>
    </message>
    <message>
        <source>Verify failed!</source>
        <translation>Проверка не пройдена!</translation>
    </message>
    <message>
        <source>Verify Success!</source>
        <translation>Проверка пройдена!</translation>
    </message>
    <message>
        <source>Erase flash...</source>
        <translation>Стирание флеш-памяти...</translation>
    </message>
    <message>
        <source>Erase flash failed!</source>
        <translation>Не удалось стереть флеш-память!</translation>
    </message>
    <message>
        <source>Erase flash Success!</source>
        <translation>Флеш-память стёрта!</translation>
    </message>
    <message>
        <source>Program flash...</source>
        <translation>Запись флеш-памяти...</translation>
    </message>
    <message>
        <source>Program flash failed!</source>
        <translation>Не удалось записать флеш-память!</translation>
    </message>
    <message>
        <source>Program flash Success!</source>
        <translation>Флеш-память записана!</translation>
    </message>
    <message>
        <source>Erase eeprom Success!</source>
        <translation>EEPROM стёрта!</translation>
    </message>
    <message>
        <source>Update Success!</source>
        <translation>Обновление выполнено!</translation>
    </message>
    <message>
        <source>Update failed!</source>
        <translation>Обновление не удалось!</translation>
    </message>
    <message>
        <source>Can not open Upload file!</source>
        <translation>Не удаётся открыть файл для приёма!</translation>
    </message>
    <message>
        <source>Can not open Download file!</source>
        <translation>Не удаётся открыть файл для передачи!</translation>
    </message>
    <message>
        <source>The Port you selected is used by other application!</source>
        <translation>Выбранный порт занят другим приложением!</translation>
    </message>
    <message>
        <source>Transfering:  </source>
        <translation>Передача:  </translation>
    </message>
    <message>
        <source>Transfering Data:  </source>
        <translation>Передача данных:  </translation>
    </message>
    <message>
        <source>Transfering CRC:  </source>
        <translation>Передача CRC:  </translation>
    </message>
    <message>
        <source>The Port you selected (</source>
        <translation>Выбранный порт (</translation>
    </message>
    <message>
        <source>) can not be opened: permission denied.</source>
        <translation>) не удаётся открыть: доступ запрещён.</translation>
    </message>
    <message>
        <source>Ask for membership of the &quot;dialout&quot; group (sudo usermod -a -G dialout $USER), then log in again.</source>
        <translation>Попросите включить вас в группу &quot;dialout&quot; (sudo usermod -a -G dialout $USER), затем войдите в систему снова.</translation>
    </message>
    <message>
        <source>Can not read the file </source>
        <translation>Не удаётся прочитать файл </translation>
    </message>
    <message>
        <source>Can not write the file </source>
        <translation>Не удаётся записать файл </translation>
    </message>
    <message>
        <source>Communication Settings  (Upgrade Data)</source>
        <translation>Параметры связи  (приём данных)</translation>
    </message>
    <message>
        <source>Communication Settings  (Upgrade Default)</source>
        <translation>Параметры связи  (приём стандартных данных)</translation>
    </message>
    <message>
        <source>Downloading Data</source>
        <translation>Передача данных</translation>
    </message>
    <message>
        <source>Downloading Default</source>
        <translation>Передача стандартных данных</translation>
    </message>
    <message>
        <source>Settings  COM:</source>
        <translation>Настройки  COM:</translation>
    </message>
    <message>
        <source>Baudrates:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source>Nonce State:</source>
        <translation>Текущее состояние:</translation>
    </message>
    <message>
        <source>No serial port of this system</source>
        <translation>Такого последовательного порта в системе нет</translation>
    </message>
    <message>
        <source>Show ALL Info</source>
        <translation>Показать ВСЁ</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Част.</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Пол</translation>
    </message>
    <message>
        <source>Sym</source>
        <translation>СС</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>TV.Name</source>
        <translation>Имя ТВ</translation>
    </message>
    <message>
        <source>Radio.Name</source>
        <translation>Имя радио</translation>
    </message>
    <message>
        <source>        Transponder    List</source>
        <translation>        Список транспондеров</translation>
    </message>
    <message>
        <source>【SAT】:</source>
        <translation>【СПУТНИК】:</translation>
    </message>
    <message>
        <source>【TP】:</source>
        <translation>【ТП】:</translation>
    </message>
    <message>
        <source>【Program Name】:</source>
        <translation>【Имя программы】:</translation>
    </message>
    <message>
        <source>【Vid】:</source>
        <translation>【Видео】:</translation>
    </message>
    <message>
        <source>【Aud】:</source>
        <translation>【Аудио】:</translation>
    </message>
    <message>
        <source>【PCR】:</source>
        <translation>【PCR】:</translation>
    </message>
    <message>
        <source>【Free】</source>
        <translation>【Открыт】</translation>
    </message>
    <message>
        <source>【Encrypt】</source>
        <translation>【Кодир.】</translation>
    </message>
    <message>
        <source>【Lock_Yes】</source>
        <translation>【Блок.】</translation>
    </message>
    <message>
        <source>【Lock_Not】</source>
        <translation>【Без блок.】</translation>
    </message>
    <message>
        <source>【Skip_Yes】</source>
        <translation>【Пропуск】</translation>
    </message>
    <message>
        <source>【Skip_Not】</source>
        <translation>【Показ】</translation>
    </message>
    <message>
        <source>Show active satellites</source>
        <translation>Показать активные спутники</translation>
    </message>
    <message>
        <source>Show all satellites</source>
        <translation>Показать все спутники</translation>
    </message>
    <message>
        <source>Change Sat data</source>
        <translation>Изменить данные спутника</translation>
    </message>
    <message>
        <source>View sorted by</source>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Исходная</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>Names(Alphabetic)</source>
        <translation>Имена (по алфавиту)</translation>
    </message>
    <message>
        <source>Change Tp data</source>
        <translation>Изменить данные транспондера</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>TP</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Satellites Tp</source>
        <translation>Спутниковый транспондер</translation>
    </message>
    <message>
        <source>Terrestrial Tp</source>
        <translation>Эфирный транспондер</translation>
    </message>
    <message>
        <source>TV </source>
        <translation>ТВ </translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Delete Tp</source>
        <translation>Удалить транспондер</translation>
    </message>
    <message>
        <source>Delete Satellites Tp</source>
        <translation>Удалить спутниковый транспондер</translation>
    </message>
    <message>
        <source>Delete Terrestrial Tp</source>
        <translation>Удалить эфирный транспондер</translation>
    </message>
    <message>
        <source>Change TV data</source>
        <translation>Изменить данные ТВ</translation>
    </message>
    <message>
        <source>New TV</source>
        <translation>Новая ТВ-программа</translation>
    </message>
    <message>
        <source>Delete Tv</source>
        <translation>Удалить ТВ-программу</translation>
    </message>
    <message>
        <source>Change Radio data</source>
        <translation>Изменить данные радио</translation>
    </message>
    <message>
        <source>New Radio</source>
        <translation>Новая радиопрограмма</translation>
    </message>
    <message>
        <source>Delete Radio</source>
        <translation>Удалить радиопрограмму</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>Move to top</source>
        <translation>Переместить в начало</translation>
    </message>
    <message>
        <source>Move to bottom</source>
        <translation>Переместить в конец</translation>
    </message>
    <message>
        <source>Move to number...</source>
        <translation>Переместить на номер...</translation>
    </message>
    <message>
        <source>Sort by name</source>
        <translation>Сортировать по имени</translation>
    </message>
    <message>
        <source>Sort by service id</source>
        <translation>Сортировать по идентификатору сервиса</translation>
    </message>
    <message>
        <source>Delete selected programs</source>
        <translation>Удалить выбранные программы</translation>
    </message>
    <message>
        <source>Order like another file...</source>
        <translation>Упорядочить как в другом файле...</translation>
    </message>
    <message>
        <source>The max number of Transponder is 2,000,<byte value="xd"/><byte value="xd"/>The Transponder can not be added!</source>
        <translation>Максимальное число транспондеров — 2 000,<byte value="xd"/><byte value="xd"/>транспондер не может быть добавлен!</translation>
    </message>
    <message>
        <source>The max number of Transponder every Satellite is 150,<byte value="xd"/><byte value="xd"/>So Transponder can not be added on this Satellite!</source>
        <translation>Максимальное число транспондеров на спутник — 150,<byte value="xd"/><byte value="xd"/>поэтому к этому спутнику нельзя добавить транспондер!</translation>
    </message>
    <message>
        <source>The max number of Transponder is 1,000,<byte value="xd"/><byte value="xd"/>The Transponder can not be added!</source>
        <translation>Максимальное число транспондеров — 1 000,<byte value="xd"/><byte value="xd"/>транспондер не может быть добавлен!</translation>
    </message>
    <message>
        <source>The max number of Transponder every group is 255,<byte value="xd"/><byte value="xd"/>The Transponder can not be added!</source>
        <translation>Максимальное число транспондеров в группе — 255,<byte value="xd"/><byte value="xd"/>транспондер не может быть добавлен!</translation>
    </message>
    <message>
        <source>The max number of Program is 4,000,<byte value="xd"/><byte value="xd"/>The Program can not be added!</source>
        <translation>Максимальное число программ — 4 000,<byte value="xd"/><byte value="xd"/>программа не может быть добавлена!</translation>
    </message>
    <message>
        <source>The max number of Program every Transponder is 120,<byte value="xd"/><byte value="xd"/>So Program can not be added on this Transponder!</source>
        <translation>Максимальное число программ на транспондер — 120,<byte value="xd"/><byte value="xd"/>поэтому к этому транспондеру нельзя добавить программу!</translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete this transponder?</source>
        <translation>Удалённые данные нельзя восстановить.<byte value="xd"/><byte value="xd"/>Удалить этот транспондер?</translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete these transponder?</source>
        <translation>Удалённые данные нельзя восстановить.<byte value="xd"/><byte value="xd"/>Удалить эти транспондеры?</translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete this program?</source>
        <translation>Удалённые данные нельзя восстановить.<byte value="xd"/><byte value="xd"/>Удалить эту программу?</translation>
    </message>
    <message>
        <source>The data can not be restored after be deleted,<byte value="xd"/><byte value="xd"/>Are you sure to delete these programs?</source>
        <translation>Удалённые данные нельзя восстановить.<byte value="xd"/><byte value="xd"/>Удалить эти программы?</translation>
    </message>
    <message>
        <source>No program matches</source>
        <translation>Подходящих программ нет</translation>
    </message>
    <message>
        <source>Wrapped to the first match</source>
        <translation>Возврат к первому совпадению</translation>
    </message>
    <message>
        <source>Wrapped to the last match</source>
        <translation>Переход к последнему совпадению</translation>
    </message>
    <message>
        <source>&quot; is not a program number on show.</source>
        <translation>&quot; не является номером показанной программы.</translation>
    </message>
    <message>
        <source>Please enter a number from 1 to </source>
        <translation>Введите число от 1 до </translation>
    </message>
    <message>
        <source>Settings Files (*.bin);;All File (*)</source>
        <translation>Файлы настроек (*.bin);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Terrestrial group </source>
        <translation>Эфирная группа </translation>
    </message>
    <message>
        <source> TV, </source>
        <translation> ТВ, </translation>
    </message>
    <message>
        <source> radio</source>
        <translation> радио</translation>
    </message>
    <message>
        <source>Compare with another file</source>
        <translation>Сравнить с другим файлом</translation>
    </message>
</context>
<context>
    <name>orvane::AboutBox</name>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>%1

Licence: %2

Settings file: %3
Working copy: %4
Backups: %5

Qt %6</source>
        <translation>%1

Лицензия: %2

Файл настроек: %3
Рабочая копия: %4
Резервные копии: %5

Qt %6</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>orvane::AccessibleNames</name>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation>Эфирные транспондеры</translation>
    </message>
    <message>
        <source>TV programs</source>
        <translation>ТВ-программы</translation>
    </message>
    <message>
        <source>Radio programs</source>
        <translation>Радиопрограммы</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Группы избранного</translation>
    </message>
    <message>
        <source>Information on the current entry</source>
        <translation>Сведения о текущей записи</translation>
    </message>
    <message>
        <source>Open, save, restore and exchange the database; read it from the receiver or write it into the receiver (Alt+F)</source>
        <translation>Открыть, сохранить, восстановить и обменять базу данных; прочитать её из приёмника или записать в приёмник (Alt+F)</translation>
    </message>
    <message>
        <source>Undo, redo, find and check the database (Alt+E)</source>
        <translation>Отменить, повторить, найти и проверить базу данных (Alt+E)</translation>
    </message>
    <message>
        <source>The manual and the program&apos;s version (Alt+H)</source>
        <translation>Руководство и версия программы (Alt+H)</translation>
    </message>
    <message>
        <source>Close the program (Alt+X)</source>
        <translation>Закрыть программу (Alt+X)</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Транспондеры</translation>
    </message>
    <message>
        <source>Transponders of %1</source>
        <translation>Транспондеры спутника %1</translation>
    </message>
</context>
<context>
    <name>orvane::BackupRestoreCommand</name>
    <message>
        <source>Restore a backup...</source>
        <translation>Восстановить резервную копию...</translation>
    </message>
</context>
<context>
    <name>orvane::CheckFindingsModel</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Satellite transponders</source>
        <translation>Спутниковые транспондеры</translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation>Эфирные транспондеры</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Программы</translation>
    </message>
    <message>
        <source>Audio tracks</source>
        <translation>Звуковые дорожки</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Группы избранного</translation>
    </message>
    <message>
        <source>Counts</source>
        <translation>Количества</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n error</source>
        <translation>
            <numerusform>%n ошибка</numerusform>
            <numerusform>%n ошибки</numerusform>
            <numerusform>%n ошибок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n ошибка</numerusform>
            <numerusform>%n ошибки</numerusform>
            <numerusform>%n ошибок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning</source>
        <translation>
            <numerusform>%n предупреждение</numerusform>
            <numerusform>%n предупреждения</numerusform>
            <numerusform>%n предупреждений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n предупреждение</numerusform>
            <numerusform>%n предупреждения</numerusform>
            <numerusform>%n предупреждений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n information</source>
        <translation>
            <numerusform>%n сведение</numerusform>
            <numerusform>%n сведения</numerusform>
            <numerusform>%n сведений</numerusform>
        </translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Важность</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
</context>
<context>
    <name>orvane::CheckWindow</name>
    <message numerus="yes">
        <source>Remove %n duplicate program</source>
        <translation>
            <numerusform>Удалить %n дубликат программы</numerusform>
            <numerusform>Удалить %n дубликата программ</numerusform>
            <numerusform>Удалить %n дубликатов программ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n duplicate programs</source>
        <translation>
            <numerusform>Удалить %n дубликат программы</numerusform>
            <numerusform>Удалить %n дубликата программ</numerusform>
            <numerusform>Удалить %n дубликатов программ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponder</source>
        <translation>
            <numerusform>Удалить %n пустой транспондер</numerusform>
            <numerusform>Удалить %n пустых транспондера</numerusform>
            <numerusform>Удалить %n пустых транспондеров</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponders</source>
        <translation>
            <numerusform>Удалить %n пустой транспондер</numerusform>
            <numerusform>Удалить %n пустых транспондера</numerusform>
            <numerusform>Удалить %n пустых транспондеров</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n duplicate program? The first program of each group stays.</source>
        <translation>
            <numerusform>Удалить %n дубликат программы? Первая программа каждой группы останется.</numerusform>
            <numerusform>Удалить %n дубликата программ? Первая программа каждой группы останется.</numerusform>
            <numerusform>Удалить %n дубликатов программ? Первая программа каждой группы останется.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n duplicate programs? The first program of each group stays.</source>
        <translation>
            <numerusform>Удалить %n дубликат программы? Первая программа каждой группы останется.</numerusform>
            <numerusform>Удалить %n дубликата программ? Первая программа каждой группы останется.</numerusform>
            <numerusform>Удалить %n дубликатов программ? Первая программа каждой группы останется.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponder?</source>
        <translation>
            <numerusform>Удалить %n пустой транспондер?</numerusform>
            <numerusform>Удалить %n пустых транспондера?</numerusform>
            <numerusform>Удалить %n пустых транспондеров?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n empty transponders of every satellite and terrestrial group?</source>
        <translation>
            <numerusform>Удалить %n пустой транспондер всех спутников и эфирных групп?</numerusform>
            <numerusform>Удалить %n пустых транспондера всех спутников и эфирных групп?</numerusform>
            <numerusform>Удалить %n пустых транспондеров всех спутников и эфирных групп?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orvane::CompareCommands</name>
    <message>
        <source>Compare with another file...</source>
        <translation>Сравнить с другим файлом...</translation>
    </message>
</context>
<context>
    <name>orvane::CompareWindow</name>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Satellite transponders</source>
        <translation>Спутниковые транспондеры</translation>
    </message>
    <message>
        <source>Terrestrial transponders</source>
        <translation>Наземные транспондеры</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Программы</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Группы избранного</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Добавлено</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Удалено</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Перемещено</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Различий нет.</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed, %4 moved</source>
        <translation>добавлено: %1, удалено: %2, изменено: %3, перемещено: %4</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Все изменения</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Показать:</translation>
    </message>
    <message>
        <source>Compare with %1</source>
        <translation>Сравнение с %1</translation>
    </message>
    <message>
        <source>What the open database changes relative to %1:</source>
        <translation>Что открытая база данных меняет по сравнению с %1:</translation>
    </message>
</context>
<context>
    <name>orvane::DesktopShortcuts</name>
    <message>
        <source>Manual</source>
        <translation>Руководство</translation>
    </message>
</context>
<context>
    <name>orvane::FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Найти:</translation>
    </message>
    <message>
        <source>Name, service id, PID or frequency</source>
        <translation>Имя, идентификатор сервиса, PID или частота</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
</context>
<context>
    <name>orvane::GridModel</name>
    <message>
        <source>The entry&apos;s number in the list</source>
        <translation>Номер записи в списке</translation>
    </message>
    <message>
        <source>$ marks a scrambled program</source>
        <translation>$ отмечает закодированную программу</translation>
    </message>
</context>
<context>
    <name>orvane::HistoryCommands</name>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
</context>
<context>
    <name>orvane::NameCharsetCommands</name>
    <message>
        <source>Character set of names</source>
        <translation>Кодировка имён</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Keep Latin-1</source>
        <translation>Оставить Latin-1</translation>
    </message>
    <message>
        <source>This system has no converter for the character set %1.</source>
        <translation>В этой системе нет преобразователя для кодировки %1.</translation>
    </message>
    <message>
        <source>Names look like %1 (%2).</source>
        <translation>Похоже, имена записаны в кодировке %1 (%2).</translation>
    </message>
</context>
<context>
    <name>orvane::OrderCommands</name>
    <message>
        <source>Number (1 to %1):</source>
        <translation>Номер (от 1 до %1):</translation>
    </message>
</context>
<context>
    <name>orvane::ProgramListCommands</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export program list...</source>
        <translation>Экспорт списка программ...</translation>
    </message>
    <message>
        <source>Import program list...</source>
        <translation>Импорт списка программ...</translation>
    </message>
</context>
<context>
    <name>orvane::TFormEditFAV</name>
    <message>
        <source>Change favor name</source>
        <translation>Изменить имя группы избранного</translation>
    </message>
    <message>
        <source>FAV.Name</source>
        <translation>Имя группы</translation>
    </message>
</context>
<context>
    <name>orvane::TFormEditLnb</name>
    <message>
        <source>Change data</source>
        <translation>Изменить данные</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Low Freq</source>
        <translation>Нижняя частота</translation>
    </message>
    <message>
        <source>High Freq</source>
        <translation>Верхняя частота</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation>Питание LNB</translation>
    </message>
    <message>
        <source>22kHZ</source>
        <translation>22 кГц</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Мотор</translation>
    </message>
    <message>
        <source>12V</source>
        <translation>12 В</translation>
    </message>
    <message>
        <source>Information (Min --&gt; Max)</source>
        <translation>Информация (мин. --&gt; макс.)</translation>
    </message>
    <message>
        <source>Longitude: (0..360)         Low and High: (0..30000) </source>
        <translation>Долгота: (0..360)         Нижняя и верхняя: (0..30000) </translation>
    </message>
    <message>
        <source>Frequency: (2000..12750)Symbolrate: (2000..45000)</source>
        <translation>Частота: (2000..12750)  Символьная скорость: (2000..45000)</translation>
    </message>
</context>
<context>
    <name>orvane::TFormEditProg</name>
    <message>
        <source>All PID         : (area:0 --&gt; 8191)</source>
        <translation>Все PID         : (диапазон: 0 --&gt; 8191)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Pcr PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>Pvt PID</source>
        <translation>Частный PID</translation>
    </message>
    <message>
        <source>Vid PID</source>
        <translation>PID видео</translation>
    </message>
    <message>
        <source>Aud PID</source>
        <translation>PID аудио</translation>
    </message>
    <message>
        <source>Pmt PID</source>
        <translation>PID PMT</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID сервиса</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропускать</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблокирован</translation>
    </message>
    <message>
        <source>FAV</source>
        <translation>Избр.</translation>
    </message>
    <message>
        <source>CA System</source>
        <translation>Система CA</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Символьная скорость</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>BandWidth</source>
        <translation>Полоса</translation>
    </message>
    <message>
        <source>Addition channel data</source>
        <translation>Добавление данных канала</translation>
    </message>
    <message>
        <source>Change channel data</source>
        <translation>Изменение данных канала</translation>
    </message>
</context>
<context>
    <name>orvane::TFormMain</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Эфирное</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Last Files</source>
        <translation>Последние файлы</translation>
    </message>
    <message>
        <source>Read from receiver</source>
        <translation>Прочитать из приёмника</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Save To Channel Data</source>
        <translation>Сохранить как данные каналов</translation>
    </message>
    <message>
        <source>Save To Default</source>
        <translation>Сохранить как стандартные</translation>
    </message>
    <message>
        <source>Write into receiver</source>
        <translation>Записать в приёмник</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>orvane::TForm_Edit_S_TP</name>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Символьная скорость</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Frequency:[Min -&gt; Max](2000 - -&gt; 12750)</source>
        <translation>Частота:[мин. -&gt; макс.](2000 - -&gt; 12750)</translation>
    </message>
    <message>
        <source>Symbolrate[Min -&gt; Max](2000 - -&gt; 45000)</source>
        <translation>Симв. скорость[мин. -&gt; макс.](2000 - -&gt; 45000)</translation>
    </message>
</context>
<context>
    <name>orvane::TForm_Edit_T_TP</name>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>BandWidth</source>
        <translation>Полоса</translation>
    </message>
    <message>
        <source>Frequency:(area: 50000 -&gt; 1000000)</source>
        <translation>Частота:(диапазон: 50000 -&gt; 1000000)</translation>
    </message>
</context>
<context>
    <name>orvane::TpDialogFrame</name>
    <message>
        <source>Addition transponder data</source>
        <translation>Добавление данных транспондера</translation>
    </message>
    <message>
        <source>Change transponder data</source>
        <translation>Изменение данных транспондера</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
</context>
</TS>
