<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>telvorin</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Maschera di rete</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>Nome volume</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>Questo dispositivo al momento non supporta BitTorrent.</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Ricorda password</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>Nessun portachiavi in cui ricordare la password.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>Conserva la password nel portachiavi del desktop, così l&apos;unità torna al prossimo accesso</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>Connetti alla condivisione</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>Dominio:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>Connetti come ospite</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>Impossibile connettere l&apos;unità.</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>Selezionare un dispositivo nella sezione sopra.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>Unità connessa correttamente.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>Impossibile disconnettere l&apos;unità.
Selezionare un&apos;unità da disconnettere e verificare che non sia in uso.</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>Unità disconnessa correttamente.</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>Controllare i dischi rigidi.</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>Il dispositivo non ha confermato l&apos;arresto e potrebbe essere ancora in modalità scrittura.</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>Il file del dispositivo %1/%2 (installato come %3, %4 byte) manca o ha una dimensione errata, quindi non è stato installato nulla.
I file del dispositivo vanno in %5.</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>Questo dispositivo supporta Unicode.</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>Questo dispositivo non supporta le opzioni multilingua.</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>Questo firmware non supporta questa tabella codici.
Scaricare il firmware più recente dal collegamento all&apos;assistenza.</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>Nessun bus di sessione del desktop, quindi nessun portachiavi per la password.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>In questa sessione non è attivo alcun portachiavi (Secret Service), quindi la password non può essere ricordata.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>Selezionare un dispositivo.</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>Nessun disco rigido rilevato.
Verificare che i dischi rigidi siano collegati correttamente prima di continuare.</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>Formattare il disco rigido.</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>Caricamento.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> Attenzione: non spegnere il dispositivo durante questa operazione.</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>Ciò potrebbe danneggiare fisicamente il dispositivo.</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>Il sistema si sta riavviando. Attendere un momento.</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>Avanzamento del riavvio</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Europa occidentale</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>Europa settentrionale</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europa centrale</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Korean Hangul</source>
        <translation>Coreano (hangul)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirillico</translation>
    </message>
    <message>
        <source>Japanese SJIS</source>
        <translation>Giapponese (Shift-JIS)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivi</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volumi</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>Dispositivo di archiviazione di rete</translation>
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
        <translation>Maschera di rete:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>Connessione unità</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>Lettere di unità disponibili</translation>
    </message>
    <message>
        <source>Receive DHCP</source>
        <translation>Ricevi da DHCP</translation>
    </message>
    <message>
        <source>Receive DHCP :</source>
        <translation>Ricevi da DHCP:</translation>
    </message>
    <message>
        <source>Available Drive Letters :</source>
        <translation>Lettere di unità disponibili:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>&amp;Informazioni sull&apos;adattatore di archiviazione di rete...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>Trova e gestisce l&apos;archiviazione di rete.</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Versione: %1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>Il 1° numero dell&apos;indirizzo IP non è valido. Deve essere 1-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>Il 2° numero dell&apos;indirizzo IP non è valido. Deve essere 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>Il 3° numero dell&apos;indirizzo IP non è valido. Deve essere 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>Il 4° numero dell&apos;indirizzo IP non è valido. Deve essere 1-254.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>Il 1° numero della maschera di sottorete non è valido. Deve essere 1-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>Il 2° numero della maschera di sottorete non è valido. Deve essere 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>Il 3° numero della maschera di sottorete non è valido. Deve essere 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>Il 4° numero della maschera di sottorete non è valido. Deve essere 0-254.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>Il 1° numero dell&apos;indirizzo IP del gateway non è valido. Deve essere 1-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>Il 2° numero dell&apos;indirizzo IP del gateway non è valido. Deve essere 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>Il 3° numero dell&apos;indirizzo IP del gateway non è valido. Deve essere 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>Il 4° numero dell&apos;indirizzo IP del gateway non è valido. Deve essere 1-254.</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>Password amministratore errata!</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>Impossibile passare al client DHCP.</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>Client DHCP attivato.</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>Inserire l&apos;indirizzo IP!</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>Inserire la maschera di rete!</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>Indirizzo IP errato. Riprovare.</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>Il dispositivo non è più disponibile.</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>Selezionare il dispositivo da configurare.</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>Impossibile avviare un browser web.
Aprire %1 in un browser web.</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1, ottetto %2 di %3</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>Nessun dispositivo trovato: questo computer non è connesso a una rete.</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>Nessun dispositivo trovato. La ricerca raggiunge solo questo segmento di rete, non oltre router o VLAN, e il firewall di questo computer deve consentire il traffico in ingresso sulla porta UDP %1.</translation>
    </message>
</context>
</TS>
