<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>telvorin</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Masque réseau</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>Nom du volume</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>Cet appareil ne prend pas en charge BitTorrent pour le moment.</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Mémoriser le mot de passe</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>Aucun trousseau pour mémoriser le mot de passe.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>Conserver le mot de passe dans le trousseau du bureau, pour retrouver le lecteur à la prochaine connexion</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>Se connecter au partage</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>Domaine :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>Se connecter en tant qu&apos;invité</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>Impossible de connecter le lecteur.</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>Sélectionnez un appareil dans la partie ci-dessus.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>Le lecteur a été connecté.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>Impossible de déconnecter ce lecteur.
Sélectionnez un lecteur à déconnecter et vérifiez qu&apos;il n&apos;est pas en cours d&apos;utilisation.</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>Le lecteur a été déconnecté.</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>Vérifiez les disques durs.</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>L&apos;appareil n&apos;a pas confirmé son arrêt et est peut-être encore en mode écriture.</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>Le fichier d&apos;appareil %1/%2 (installé sous %3, %4 octets) est absent ou n&apos;a pas la bonne taille : rien n&apos;a été installé.
Les fichiers d&apos;appareil se trouvent dans %5.</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>Cet appareil prend en charge Unicode.</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>Cet appareil ne prend pas en charge le choix de la langue.</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>Ce micrologiciel ne prend pas en charge cette page de codes.
Téléchargez le dernier micrologiciel depuis le lien d&apos;assistance.</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>Pas de bus de session du bureau, donc pas de trousseau pour le mot de passe.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>Aucun trousseau (Secret Service) ne tourne dans cette session : le mot de passe ne peut pas être mémorisé.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>Sélectionnez un appareil.</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>Aucun disque dur n&apos;a été détecté.
Vérifiez que les disques durs sont bien branchés avant de continuer.</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>Formatez le disque dur.</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>Chargement.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> Attention : n&apos;éteignez pas l&apos;appareil pendant cette opération.</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>Cela pourrait endommager physiquement l&apos;appareil.</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>Le système redémarre. Veuillez patienter un instant.</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>Progression du redémarrage</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Europe occidentale</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>Europe du Nord</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europe centrale</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Korean Hangul</source>
        <translation>Coréen (hangeul)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrillique</translation>
    </message>
    <message>
        <source>Japanese SJIS</source>
        <translation>Japonais (Shift-JIS)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volumes</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>Périphérique de stockage réseau</translation>
    </message>
    <message>
        <source>LAN</source>
        <translation>Réseau local</translation>
    </message>
    <message>
        <source>I P :</source>
        <translation>IP :</translation>
    </message>
    <message>
        <source>Netmask :</source>
        <translation>Masque réseau :</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Passerelle :</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>Connexion de lecteurs</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>Lettres de lecteur libres</translation>
    </message>
    <message>
        <source>Receive DHCP</source>
        <translation>Obtenir par DHCP</translation>
    </message>
    <message>
        <source>Receive DHCP :</source>
        <translation>Obtenir par DHCP :</translation>
    </message>
    <message>
        <source>Available Drive Letters :</source>
        <translation>Lettres de lecteur libres :</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>À &amp;propos de l&apos;adaptateur de stockage réseau...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>Trouve et gère le stockage réseau.</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>1er nombre de l&apos;adresse IP non valide. Il doit être entre 1-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>2e nombre de l&apos;adresse IP non valide. Il doit être entre 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>3e nombre de l&apos;adresse IP non valide. Il doit être entre 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>4e nombre de l&apos;adresse IP non valide. Il doit être entre 1-254.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>1er nombre du masque de sous-réseau non valide. Il doit être entre 1-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>2e nombre du masque de sous-réseau non valide. Il doit être entre 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>3e nombre du masque de sous-réseau non valide. Il doit être entre 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>4e nombre du masque de sous-réseau non valide. Il doit être entre 0-254.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>1er nombre de l&apos;adresse IP de passerelle non valide. Il doit être entre 1-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>2e nombre de l&apos;adresse IP de passerelle non valide. Il doit être entre 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>3e nombre de l&apos;adresse IP de passerelle non valide. Il doit être entre 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>4e nombre de l&apos;adresse IP de passerelle non valide. Il doit être entre 1-254.</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>Mot de passe administrateur incorrect !</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>Impossible de passer en client DHCP.</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>Client DHCP activé.</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>Saisissez l&apos;adresse IP !</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>Saisissez le masque réseau !</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>Adresse IP incorrecte. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>L&apos;appareil n&apos;est plus disponible.</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>Sélectionnez l&apos;appareil à configurer.</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé.
Ouvrez %1 dans un navigateur web.</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1, octet %2 sur %3</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>Aucun périphérique trouvé : cet ordinateur n’est connecté à aucun réseau.</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>Aucun périphérique trouvé. La recherche n’atteint que ce segment de réseau, sans traverser les routeurs ni les VLAN, et le pare-feu de cet ordinateur doit laisser entrer le trafic sur le port UDP %1.</translation>
    </message>
</context>
</TS>
