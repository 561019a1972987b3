<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
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
        <translation>Nettmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>Volumnavn</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Plassering</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>Denne enheten støtter ikke BitTorrent nå.</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Husk passord</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>Ingen nøkkelring å lagre passordet i.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>Lagre passordet i skrivebordets nøkkelring, slik at stasjonen kommer tilbake ved neste innlogging</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>Koble til delt ressurs</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Brukernavn:</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>Domene:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>Koble til som gjest</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>Kunne ikke tilordne stasjonen.</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>Velg en enhet i delen ovenfor.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>Stasjonen er tilordnet.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekreftelse</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>Kan ikke koble fra denne stasjonen.
Velg en stasjon som skal kobles fra, og kontroller at den ikke er i bruk.</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>Stasjonen er koblet fra.</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>Kontroller harddiskene.</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>Enheten bekreftet ikke at den stoppet, og kan fortsatt være i skrivemodus.</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>Enhetsfilen %1/%2 (installeres som %3, %4 byte) mangler eller har feil størrelse, så ingenting ble installert.
Enhetsfiler hører hjemme i %5.</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>Denne enheten støtter Unicode.</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>Denne enheten støtter ikke valg av språk.</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>Denne fastvaren støtter ikke denne tegntabellen.
Last ned den nyeste fastvaren fra støttelenken.</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>Ingen skrivebordsøktbuss, så ingen nøkkelring å lagre passordet i.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>Ingen nøkkelring (Secret Service) kjører i denne økten, så passordet kan ikke huskes.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>Velg en enhet.</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>Fant ingen harddisker.
Kontroller at harddiskene er riktig tilkoblet før du fortsetter.</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>Formater harddisken.</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>Laster inn.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> Advarsel: Ikke slå av enheten under denne prosessen.</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>Det kan gi fysisk skade på enheten.</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>Systemet starter på nytt. Vent litt.</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>Fremdrift for omstart</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Tradisjonell kinesisk</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Forenklet kinesisk</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Vesteuropeisk</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>Nordeuropeisk</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Sentraleuropeisk</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Språk:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>Brukernavn:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Brukernavn</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Innlogging</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Enheter</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Oppdater</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adresse</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volumer</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Koble til</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Koble fra</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>Nettverkslagringsenhet</translation>
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
        <translation>Nettmaske:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>Stasjonstilordning</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>Ledige stasjonsbokstaver</translation>
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
        <translation>Ledige stasjonsbokstaver:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>&amp;Om nettverkslagringsadapteren...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>Finner og styrer nettverkslagring.</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Versjon: %1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>Ugyldig 1. tall i IP-adressen. Det skal være 1-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>Ugyldig 2. tall i IP-adressen. Det skal være 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>Ugyldig 3. tall i IP-adressen. Det skal være 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>Ugyldig 4. tall i IP-adressen. Det skal være 1-254.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>Ugyldig 1. tall i nettmasken. Det skal være 1-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>Ugyldig 2. tall i nettmasken. Det skal være 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>Ugyldig 3. tall i nettmasken. Det skal være 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>Ugyldig 4. tall i nettmasken. Det skal være 0-254.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>Ugyldig 1. tall i gatewayens IP-adresse. Det skal være 1-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>Ugyldig 2. tall i gatewayens IP-adresse. Det skal være 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>Ugyldig 3. tall i gatewayens IP-adresse. Det skal være 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>Ugyldig 4. tall i gatewayens IP-adresse. Det skal være 1-254.</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>Feil administratorpassord!</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>Kunne ikke bytte til DHCP-klient.</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>DHCP-klient slått på.</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>Skriv inn IP-adressen!</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>Skriv inn nettmasken!</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>Feil i IP-adressen. Prøv igjen.</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>Enheten er ikke lenger tilgjengelig.</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>Velg en enhet som skal settes opp.</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>Ingen nettleser kunne startes.
Åpne %1 i en nettleser.</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1, oktett %2 av %3</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>Fant ingen enhet: denne datamaskinen er ikke koblet til et nettverk.</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>Fant ingen enhet. Søket når bare dette nettverkssegmentet, ikke gjennom rutere eller VLAN, og en brannmur på denne datamaskinen må slippe inn trafikk på UDP-port %1.</translation>
    </message>
</context>
</TS>
