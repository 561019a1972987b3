<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>telvorin</name>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Netmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>Diskenhedsnavn</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Placering</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>Denne enhed understøtter ikke BitTorrent i øjeblikket.</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Husk adgangskode</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>Ingen nøglering at gemme adgangskoden i.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>Gem adgangskoden i skrivebordets nøglering, så drevet kommer tilbage ved næste login</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>Forbind til delt mappe</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Brugernavn:</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>Domæne:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Adgangskode:</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>Forbind som gæst</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>Drevet kunne ikke tilknyttes.</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>Vælg en enhed i afsnittet ovenfor.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>Drevet er tilknyttet.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekræftelse</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>Drevet kan ikke afbrydes.
Vælg et drev, der skal afbrydes, og kontrollér, at det ikke er i brug.</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>Drevet er afbrudt.</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>Kontrollér harddiskene.</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>Enheden bekræftede ikke, at den stoppede, og kan stadig være i skrivetilstand.</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>Enhedsfilen %1/%2 (installeres som %3, %4 byte) mangler eller har forkert størrelse, så intet blev installeret.
Enhedsfiler hører til i %5.</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>Denne enhed understøtter Unicode.</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>Denne enhed understøtter ikke valg af sprog.</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>Denne firmware understøtter ikke denne tegntabel.
Hent den nyeste firmware fra supportlinket.</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>Ingen skrivebordssessionsbus, så ingen nøglering at gemme adgangskoden i.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>Ingen nøglering (Secret Service) kører i denne session, så adgangskoden kan ikke huskes.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>Vælg en enhed.</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>Der blev ikke fundet nogen harddiske.
Kontrollér, at harddiskene er tilsluttet korrekt, før du fortsætter.</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>Formatér harddisken.</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>Indlæser.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> Advarsel: Sluk ikke enheden under denne proces.</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>Det kan beskadige enheden fysisk.</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>Systemet genstarter. Vent et øjeblik.</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>Status for genstart</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Traditionelt kinesisk</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Forenklet kinesisk</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Vesteuropæisk</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>Nordeuropæisk</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Centraleuropæisk</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Tyrkisk</translation>
    </message>
    <message>
        <source>Korean Hangul</source>
        <translation>Koreansk (hangul)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisk</translation>
    </message>
    <message>
        <source>Japanese SJIS</source>
        <translation>Japansk (Shift-JIS)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Sprog:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>Brugernavn:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Brugernavn</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Adgangskode:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Adgangskode</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Enheder</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Opdater</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Opsætning</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Diskenheder</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Forbind</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Afbryd</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>Netværkslagerenhed</translation>
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
        <translation>Netmaske:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>Drevtilknytning</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>Ledige drevbogstaver</translation>
    </message>
    <message>
        <source>Receive DHCP</source>
        <translation>Hent via DHCP</translation>
    </message>
    <message>
        <source>Receive DHCP :</source>
        <translation>Hent via DHCP:</translation>
    </message>
    <message>
        <source>Available Drive Letters :</source>
        <translation>Ledige drevbogstaver:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>&amp;Om netværkslageradapteren...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>Finder og styrer netværkslagre.</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>Ugyldigt 1. tal i IP-adressen. Det skal være 1-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>Ugyldigt 2. tal i IP-adressen. Det skal være 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>Ugyldigt 3. tal i IP-adressen. Det skal være 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>Ugyldigt 4. tal i IP-adressen. Det skal være 1-254.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>Ugyldigt 1. tal i netmasken. Det skal være 1-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>Ugyldigt 2. tal i netmasken. Det skal være 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>Ugyldigt 3. tal i netmasken. Det skal være 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>Ugyldigt 4. tal i netmasken. Det skal være 0-254.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>Ugyldigt 1. tal i gatewayens IP-adresse. Det skal være 1-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>Ugyldigt 2. tal i gatewayens IP-adresse. Det skal være 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>Ugyldigt 3. tal i gatewayens IP-adresse. Det skal være 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>Ugyldigt 4. tal i gatewayens IP-adresse. Det skal være 1-254.</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>Forkert administratoradgangskode!</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>Kunne ikke skifte til DHCP-klient.</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>DHCP-klient slået til.</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>Indtast IP-adressen!</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>Indtast netmasken!</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>Fejl i IP-adressen. Prøv igen.</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>Enheden er ikke længere tilgængelig.</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>Vælg en enhed, der skal sættes op.</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>Ingen webbrowser kunne startes.
Åbn %1 i en webbrowser.</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1, oktet %2 af %3</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>Ingen enhed fundet: denne computer er ikke forbundet til et netværk.</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>Ingen enhed fundet. Søgningen når kun dette netværkssegment, ikke gennem routere eller VLAN, og en firewall på denne computer skal lukke trafik ind på UDP-port %1.</translation>
    </message>
</context>
</TS>
