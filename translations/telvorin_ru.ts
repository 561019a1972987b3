<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>telvorin</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Маска сети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>Имя тома</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>Это устройство сейчас не поддерживает BitTorrent.</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Запомнить пароль</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>Нет связки ключей, в которой можно сохранить пароль.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>Хранить пароль в связке ключей рабочего стола, чтобы диск подключался снова при следующем входе</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>Подключение к общему ресурсу</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>Домен:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>Подключиться как гость</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>Не удалось подключить диск.</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>Выберите устройство в разделе выше.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>Диск подключён.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>Не удалось отключить этот диск.
Выберите диск для отключения и убедитесь, что к нему нет обращений.</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>Диск отключён.</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>Проверьте жёсткие диски.</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>Устройство не подтвердило остановку и, возможно, всё ещё в режиме записи.</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>Файл устройства %1/%2 (устанавливается как %3, %4 байт) отсутствует или имеет неверный размер, поэтому ничего не установлено.
Файлы устройства должны лежать в %5.</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>Это устройство поддерживает Юникод.</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>Это устройство не поддерживает выбор языка.</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>Эта прошивка не поддерживает данную кодовую страницу.
Загрузите последнюю прошивку по ссылке поддержки.</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>Нет сеансовой шины рабочего стола, поэтому нет связки ключей для пароля.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>В этом сеансе не запущена связка ключей (Secret Service), поэтому пароль нельзя запомнить.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>Выберите устройство.</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>Жёсткие диски не обнаружены.
Прежде чем продолжить, убедитесь, что диски правильно подключены.</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>Отформатируйте жёсткий диск.</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>Загрузка.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> Внимание: не выключайте устройство во время этой операции.</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>Это может физически повредить устройство.</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>Система перезапускается. Пожалуйста, подождите.</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>Ход перезапуска</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Китайский традиционный</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Китайский упрощённый</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Западноевропейская</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>Североевропейская</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Центральноевропейская</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкая</translation>
    </message>
    <message>
        <source>Korean Hangul</source>
        <translation>Корейская (хангыль)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Кириллица</translation>
    </message>
    <message>
        <source>Japanese SJIS</source>
        <translation>Японская (Shift-JIS)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Тома</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>Сетевое хранилище</translation>
    </message>
    <message>
        <source>LAN</source>
        <translation>ЛВС</translation>
    </message>
    <message>
        <source>I P :</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Netmask :</source>
        <translation>Маска сети:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Шлюз:</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>Подключение дисков</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>Свободные буквы дисков</translation>
    </message>
    <message>
        <source>Receive DHCP</source>
        <translation>Получать по DHCP</translation>
    </message>
    <message>
        <source>Receive DHCP :</source>
        <translation>Получать по DHCP:</translation>
    </message>
    <message>
        <source>Available Drive Letters :</source>
        <translation>Свободные буквы дисков:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>&amp;О программе «Адаптер сетевого хранилища»...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>Находит сетевые хранилища и управляет ими.</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Версия: %1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>Неверное первое число IP-адреса. Допустимо 1-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>Неверное второе число IP-адреса. Допустимо 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>Неверное третье число IP-адреса. Допустимо 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>Неверное четвёртое число IP-адреса. Допустимо 1-254.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>Неверное первое число маски подсети. Допустимо 1-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>Неверное второе число маски подсети. Допустимо 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>Неверное третье число маски подсети. Допустимо 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>Неверное четвёртое число маски подсети. Допустимо 0-254.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>Неверное первое число IP-адреса шлюза. Допустимо 1-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>Неверное второе число IP-адреса шлюза. Допустимо 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>Неверное третье число IP-адреса шлюза. Допустимо 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>Неверное четвёртое число IP-адреса шлюза. Допустимо 1-254.</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>Неверный пароль администратора!</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>Не удалось включить получение адреса по DHCP.</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>Получение адреса по DHCP включено.</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>Введите IP-адрес!</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>Введите маску сети!</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>IP-адрес введён неверно. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>Устройство больше недоступно.</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>Выберите устройство для настройки.</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>Не удалось запустить веб-браузер.
Откройте %1 в веб-браузере.</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1, октет %2 из %3</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>Устройства не найдены: этот компьютер не подключён к сети.</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>Устройства не найдены. Поиск охватывает только этот сегмент сети и не проходит через маршрутизаторы и VLAN, а брандмауэр этого компьютера должен пропускать входящие пакеты на UDP-порт %1.</translation>
    </message>
</context>
</TS>
