<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>telvorin</name>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Maska sítě</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brána</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>Název svazku</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Umístění</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>Toto zařízení nyní nepodporuje BitTorrent.</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Zapamatovat heslo</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>Není k dispozici klíčenka, do které by šlo heslo uložit.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>Uložit heslo do klíčenky pracovní plochy, aby se jednotka při příštím přihlášení znovu připojila</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>Připojit ke sdílené složce</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Uživatelské jméno:</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>Doména:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>Připojit jako host</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>Jednotku se nepodařilo namapovat.</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>Vyberte zařízení v části výše.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>Jednotka byla namapována.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potvrzení</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>Tuto jednotku nelze odpojit.
Vyberte jednotku k odpojení a ověřte, že se k ní právě nepřistupuje.</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>Jednotka byla odpojena.</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>Zkontrolujte pevné disky.</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>Zařízení nepotvrdilo zastavení a může být stále v režimu zápisu.</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>Soubor zařízení %1/%2 (instaluje se jako %3, %4 bajtů) chybí nebo má špatnou velikost, proto nebylo nic nainstalováno.
Soubory zařízení patří do %5.</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>Toto zařízení podporuje Unicode.</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>Toto zařízení nepodporuje volbu jazyka.</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>Tento firmware tuto znakovou sadu nepodporuje.
Stáhněte si nejnovější firmware z odkazu podpory.</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>Chybí sběrnice relace pracovní plochy, takže není klíčenka pro heslo.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>V této relaci neběží klíčenka (Secret Service), takže heslo nelze uložit.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>Vyberte zařízení.</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>Nebyly zjištěny žádné pevné disky.
Než budete pokračovat, ověřte, že jsou disky správně připojeny.</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>Naformátujte pevný disk.</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>Načítání.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> Upozornění: Během této operace zařízení nevypínejte.</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>Mohlo by to zařízení fyzicky poškodit.</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>Systém se restartuje. Chvíli počkejte.</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>Průběh restartu</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Čínština tradiční</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Čínština zjednodušená</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Západoevropské</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>Severoevropské</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Středoevropské</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turečtina</translation>
    </message>
    <message>
        <source>Korean Hangul</source>
        <translation>Korejština (hangul)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrilice</translation>
    </message>
    <message>
        <source>Japanese SJIS</source>
        <translation>Japonština (Shift-JIS)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Jazyk:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>Uživatelské jméno:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Heslo:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Přihlášení</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Vypnout</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Zapnout</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Zařízení</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresa IP</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Svazky</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>Síťové úložiště</translation>
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
        <translation>Maska sítě:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Brána:</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>Mapování jednotek</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>Dostupná písmena jednotek</translation>
    </message>
    <message>
        <source>Receive DHCP</source>
        <translation>Získat přes DHCP</translation>
    </message>
    <message>
        <source>Receive DHCP :</source>
        <translation>Získat přes DHCP:</translation>
    </message>
    <message>
        <source>Available Drive Letters :</source>
        <translation>Dostupná písmena jednotek:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>&amp;O adaptéru síťového úložiště...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>Vyhledává a spravuje síťová úložiště.</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Verze: %1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>Neplatné 1. číslo adresy IP. Má být 1-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>Neplatné 2. číslo adresy IP. Má být 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>Neplatné 3. číslo adresy IP. Má být 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>Neplatné 4. číslo adresy IP. Má být 1-254.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>Neplatné 1. číslo masky podsítě. Má být 1-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>Neplatné 2. číslo masky podsítě. Má být 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>Neplatné 3. číslo masky podsítě. Má být 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>Neplatné 4. číslo masky podsítě. Má být 0-254.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>Neplatné 1. číslo adresy IP brány. Má být 1-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>Neplatné 2. číslo adresy IP brány. Má být 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>Neplatné 3. číslo adresy IP brány. Má být 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>Neplatné 4. číslo adresy IP brány. Má být 1-254.</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>Nesprávné heslo správce!</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>Přepnutí na klienta DHCP se nezdařilo.</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>Klient DHCP zapnut.</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>Zadejte adresu IP!</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>Zadejte masku sítě!</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>Adresa IP je zadána chybně. Zkuste to znovu.</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>Zařízení už není dostupné.</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>Vyberte zařízení k nastavení.</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>Webový prohlížeč se nepodařilo spustit.
Otevřete %1 ve webovém prohlížeči.</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1, oktet %2 ze %3</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>Nebylo nalezeno žádné zařízení: tento počítač není připojen k síti.</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>Nebylo nalezeno žádné zařízení. Hledání dosáhne jen do tohoto segmentu sítě, ne přes směrovače ani sítě VLAN, a brána firewall na tomto počítači musí propouštět příchozí provoz na port UDP %1.</translation>
    </message>
</context>
</TS>
