<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>telvorin</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Maska podsieci</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brama</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>Nazwa woluminu</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokalizacja</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>To urządzenie nie obsługuje obecnie BitTorrenta.</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Zapamiętaj hasło</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>Brak pęku kluczy, w którym można zapamiętać hasło.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>Przechowuj hasło w pęku kluczy pulpitu, aby dysk wrócił przy następnym logowaniu</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>Połącz z udziałem</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nazwa użytkownika:</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>Domena:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>Połącz jako gość</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>Nie udało się zamapować dysku.</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>Wybierz urządzenie w sekcji powyżej.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>Dysk został zamapowany.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>Nie można odłączyć tego dysku.
Wybierz dysk do odłączenia i sprawdź, czy nikt z niego nie korzysta.</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>Dysk został odłączony.</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>Sprawdź dyski twarde.</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>Urządzenie nie potwierdziło zatrzymania i może nadal być w trybie zapisu.</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>Brak pliku urządzenia %1/%2 (instalowanego jako %3, %4 bajtów) lub ma on zły rozmiar, więc niczego nie zainstalowano.
Pliki urządzenia powinny być w %5.</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>To urządzenie obsługuje Unicode.</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>To urządzenie nie obsługuje opcji wielojęzycznych.</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>To oprogramowanie sprzętowe nie obsługuje tej strony kodowej.
Pobierz najnowsze oprogramowanie ze strony pomocy technicznej.</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>Brak magistrali sesji pulpitu, więc nie ma pęku kluczy na hasło.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>W tej sesji pulpitu nie działa pęk kluczy (Secret Service), więc nie można zapamiętać hasła.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>Wybierz urządzenie.</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>Nie wykryto dysków twardych.
Przed kontynuacją sprawdź, czy dyski są prawidłowo podłączone.</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>Sformatuj dysk twardy.</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>Wczytywanie.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> Ostrzeżenie: nie wyłączaj urządzenia w trakcie tej operacji.</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>Może to fizycznie uszkodzić urządzenie.</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>System uruchamia się ponownie. Proszę chwilę zaczekać.</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>Postęp ponownego uruchamiania</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chiński tradycyjny</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chiński uproszczony</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Zachodnioeuropejski</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>Północnoeuropejski</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Środkowoeuropejski</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turecki</translation>
    </message>
    <message>
        <source>Korean Hangul</source>
        <translation>Koreański (hangul)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrylica</translation>
    </message>
    <message>
        <source>Japanese SJIS</source>
        <translation>Japoński (Shift-JIS)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>Nazwa użytkownika:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Logowanie</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Urządzenia</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Woluminy</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>Urządzenie pamięci sieciowej</translation>
    </message>
    <message>
        <source>LAN</source>
        <translation>LAN</translation>
    </message>
    <message>
        <source>I P :</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Netmask :</source>
        <translation>Maska podsieci:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Brama:</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>Mapowanie dysków</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>Dostępne litery dysków</translation>
    </message>
    <message>
        <source>Receive DHCP</source>
        <translation>Pobieraj przez DHCP</translation>
    </message>
    <message>
        <source>Receive DHCP :</source>
        <translation>Pobieraj przez DHCP:</translation>
    </message>
    <message>
        <source>Available Drive Letters :</source>
        <translation>Dostępne litery dysków:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>&amp;O programie Adapter pamięci sieciowej...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>Wyszukuje pamięci sieciowe i nimi zarządza.</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Wersja: %1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>Nieprawidłowa 1. liczba adresu IP. Dozwolone wartości: 1-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>Nieprawidłowa 2. liczba adresu IP. Dozwolone wartości: 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>Nieprawidłowa 3. liczba adresu IP. Dozwolone wartości: 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>Nieprawidłowa 4. liczba adresu IP. Dozwolone wartości: 1-254.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>Nieprawidłowa 1. liczba maski podsieci. Dozwolone wartości: 1-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>Nieprawidłowa 2. liczba maski podsieci. Dozwolone wartości: 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>Nieprawidłowa 3. liczba maski podsieci. Dozwolone wartości: 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>Nieprawidłowa 4. liczba maski podsieci. Dozwolone wartości: 0-254.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>Nieprawidłowa 1. liczba adresu IP bramy. Dozwolone wartości: 1-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>Nieprawidłowa 2. liczba adresu IP bramy. Dozwolone wartości: 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>Nieprawidłowa 3. liczba adresu IP bramy. Dozwolone wartości: 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>Nieprawidłowa 4. liczba adresu IP bramy. Dozwolone wartości: 1-254.</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>Błędne hasło administratora!</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>Nie udało się włączyć klienta DHCP.</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>Klient DHCP włączony.</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>Wpisz adres IP!</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>Wpisz maskę podsieci!</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>Błędnie wpisany adres IP. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>Urządzenie nie jest już dostępne.</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>Wybierz urządzenie do konfiguracji.</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>Nie udało się uruchomić przeglądarki.
Otwórz %1 w przeglądarce internetowej.</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1, oktet %2 z %3</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>Nie znaleziono urządzenia: ten komputer nie jest podłączony do sieci.</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>Nie znaleziono urządzenia. Wyszukiwanie obejmuje tylko ten segment sieci, nie przechodzi przez routery ani sieci VLAN, a zapora na tym komputerze musi przepuszczać ruch przychodzący na port UDP %1.</translation>
    </message>
</context>
</TS>
