<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>telvorin</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Netzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>Volume-Name</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>Dieses Gerät unterstützt BitTorrent derzeit nicht.</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Passwort merken</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>Kein Schlüsselbund, in dem das Passwort gespeichert werden kann.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>Das Passwort im Schlüsselbund der Arbeitsumgebung aufbewahren, damit das Laufwerk bei der nächsten Anmeldung wiederkommt</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>Mit Freigabe verbinden</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>Domäne:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>Als Gast verbinden</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>Das Laufwerk konnte nicht verbunden werden.</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>Bitte wählen Sie oben ein Gerät aus.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>Das Laufwerk wurde verbunden.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>Das Laufwerk kann nicht getrennt werden.
Bitte wählen Sie ein Laufwerk zum Trennen und prüfen Sie, dass nicht darauf zugegriffen wird.</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>Das Laufwerk wurde getrennt.</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>Bitte prüfen Sie die Festplatten.</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>Das Gerät hat das Anhalten nicht bestätigt und ist möglicherweise noch im Schreibmodus.</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>Die Gerätedatei %1/%2 (installiert als %3, %4 Bytes) fehlt oder hat die falsche Größe, daher wurde nichts installiert.
Gerätedateien gehören nach %5.</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>Dieses Gerät unterstützt Unicode.</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>Dieses Gerät unterstützt keine Sprachauswahl.</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>Diese Firmware unterstützt diese Codepage nicht.
Bitte laden Sie die neueste Firmware über den Support-Link herunter.</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>Kein Sitzungsbus der Arbeitsumgebung, daher kein Schlüsselbund für das Passwort.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>In dieser Sitzung läuft kein Schlüsselbund (Secret Service), daher kann das Passwort nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>Bitte wählen Sie ein Gerät aus.</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>Es wurden keine Festplatten erkannt.
Bitte prüfen Sie vor dem Fortfahren, ob die Festplatten richtig angeschlossen sind.</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>Bitte formatieren Sie die Festplatte.</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>Wird geladen.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> Warnung: Schalten Sie das Gerät während dieses Vorgangs nicht aus.</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>Dies kann das Gerät physisch beschädigen.</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>Das System wird neu gestartet. Bitte warten Sie einen Moment.</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>Fortschritt des Neustarts</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Westeuropäisch</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>Nordeuropäisch</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Mitteleuropäisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Korean Hangul</source>
        <translation>Koreanisch (Hangul)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>Japanese SJIS</source>
        <translation>Japanisch (Shift-JIS)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volumes</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>Netzwerkspeichergerät</translation>
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
        <translation>Netzmaske:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>Laufwerkszuordnung</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>Freie Laufwerksbuchstaben</translation>
    </message>
    <message>
        <source>Receive DHCP</source>
        <translation>Per DHCP beziehen</translation>
    </message>
    <message>
        <source>Receive DHCP :</source>
        <translation>Per DHCP beziehen:</translation>
    </message>
    <message>
        <source>Available Drive Letters :</source>
        <translation>Freie Laufwerksbuchstaben:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>Ü&amp;ber den Netzwerkspeicher-Adapter...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>Findet und verwaltet Netzwerkspeicher.</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>Ungültige 1. Zahl der IP-Adresse. Erlaubt ist 1-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>Ungültige 2. Zahl der IP-Adresse. Erlaubt ist 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>Ungültige 3. Zahl der IP-Adresse. Erlaubt ist 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>Ungültige 4. Zahl der IP-Adresse. Erlaubt ist 1-254.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>Ungültige 1. Zahl der Subnetzmaske. Erlaubt ist 1-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>Ungültige 2. Zahl der Subnetzmaske. Erlaubt ist 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>Ungültige 3. Zahl der Subnetzmaske. Erlaubt ist 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>Ungültige 4. Zahl der Subnetzmaske. Erlaubt ist 0-254.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>Ungültige 1. Zahl der Gateway-IP-Adresse. Erlaubt ist 1-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>Ungültige 2. Zahl der Gateway-IP-Adresse. Erlaubt ist 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>Ungültige 3. Zahl der Gateway-IP-Adresse. Erlaubt ist 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>Ungültige 4. Zahl der Gateway-IP-Adresse. Erlaubt ist 1-254.</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>Falsches Administratorpasswort!</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>Umstellen auf DHCP-Client fehlgeschlagen.</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>DHCP-Client eingeschaltet.</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>Bitte geben Sie die IP-Adresse ein!</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>Bitte geben Sie die Netzmaske ein!</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>Die IP-Adresse ist fehlerhaft. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>Das Gerät ist nicht mehr erreichbar.</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>Bitte wählen Sie das zu konfigurierende Gerät aus.</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>Es konnte kein Webbrowser gestartet werden.
Öffnen Sie %1 in einem Webbrowser.</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1, Oktett %2 von %3</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>Kein Gerät gefunden: Dieser Computer ist mit keinem Netzwerk verbunden.</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>Kein Gerät gefunden. Die Suche erreicht nur dieses Netzwerksegment, nicht über Router oder VLANs hinweg, und eine Firewall auf diesem Computer muss eingehende Pakete an UDP-Port %1 durchlassen.</translation>
    </message>
</context>
</TS>
