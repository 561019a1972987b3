<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>telvorin</name>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Alhálózati maszk</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Átjáró</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>Kötet neve</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Hely</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>Ez az eszköz jelenleg nem támogatja a BitTorrentet.</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Jelszó megjegyzése</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>Nincs kulcstartó, amelyben a jelszót meg lehetne jegyezni.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>A jelszó megőrzése az asztali kulcstartóban, hogy a meghajtó a következő bejelentkezéskor visszatérjen</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>Csatlakozás megosztáshoz</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Felhasználónév:</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>Tartomány:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Jelszó:</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>Csatlakozás vendégként</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>Nem sikerült a meghajtót hozzárendelni.</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>Válasszon egy eszközt a fenti részben.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelmeztetés</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>A meghajtó hozzárendelése sikerült.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Megerősítés</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>A meghajtót nem lehet leválasztani.
Válassza ki a leválasztandó meghajtót, és ellenőrizze, hogy senki sem használja.</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>A meghajtó leválasztása sikerült.</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>Ellenőrizze a merevlemezeket.</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>Az eszköz nem erősítette meg a leállást, és még írási módban lehet.</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>A(z) %1/%2 eszközfájl (telepítve: %3, %4 bájt) hiányzik vagy rossz a mérete, ezért semmi sem lett telepítve.
Az eszközfájlok helye: %5.</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>Ez az eszköz támogatja a Unicode-ot.</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>Ez az eszköz nem támogatja a többnyelvű beállításokat.</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>Ez a firmware nem támogatja ezt a kódlapot.
Töltse le a legújabb firmware-t a támogatási hivatkozásról.</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>Nincs asztali munkamenetbusz, így kulcstartó sincs a jelszóhoz.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>Ebben az asztali munkamenetben nem fut kulcstartó (Secret Service), ezért a jelszó nem jegyezhető meg.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>Válasszon egy eszközt.</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>Nem található merevlemez.
A folytatás előtt ellenőrizze, hogy a merevlemezek megfelelően csatlakoznak-e.</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>Formázza meg a merevlemezt.</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>Betöltés.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> Figyelem: a művelet közben ne kapcsolja ki az eszközt.</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>Ez fizikailag károsíthatja az eszközt.</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>A rendszer újraindul. Kérem, várjon egy kicsit.</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>Újraindítás állapota</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Hagyományos kínai</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Egyszerűsített kínai</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Nyugat-európai</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>Észak-európai</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Közép-európai</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Török</translation>
    </message>
    <message>
        <source>Korean Hangul</source>
        <translation>Koreai (hangul)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirill</translation>
    </message>
    <message>
        <source>Japanese SJIS</source>
        <translation>Japán (Shift-JIS)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Nyelv:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>Felhasználónév:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Felhasználónév</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Jelszó:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Bejelentkezés</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Kikapcsolva</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Bekapcsolva</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Eszközök</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Beállítás</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-cím</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Kötetek</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Csatlakozás</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Leválasztás</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>Hálózati tárolóeszköz</translation>
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
        <translation>Alhálózati maszk:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Átjáró:</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>Meghajtó-hozzárendelés</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>Szabad meghajtóbetűjelek</translation>
    </message>
    <message>
        <source>Receive DHCP</source>
        <translation>DHCP használata</translation>
    </message>
    <message>
        <source>Receive DHCP :</source>
        <translation>DHCP használata:</translation>
    </message>
    <message>
        <source>Available Drive Letters :</source>
        <translation>Szabad meghajtóbetűjelek:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>A hálózati tároló adapter &amp;névjegye...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>Hálózati tárolókat keres és kezel.</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Verzió: %1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>Az IP-cím 1. tagja érvénytelen. 1-254 közötti érték kell.</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>Az IP-cím 2. tagja érvénytelen. 0-254 közötti érték kell.</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>Az IP-cím 3. tagja érvénytelen. 0-254 közötti érték kell.</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>Az IP-cím 4. tagja érvénytelen. 1-254 közötti érték kell.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>Az alhálózati maszk 1. tagja érvénytelen. 1-255 közötti érték kell.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>Az alhálózati maszk 2. tagja érvénytelen. 0-255 közötti érték kell.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>Az alhálózati maszk 3. tagja érvénytelen. 0-255 közötti érték kell.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>Az alhálózati maszk 4. tagja érvénytelen. 0-254 közötti érték kell.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>Az átjáró IP-címének 1. tagja érvénytelen. 1-255 közötti érték kell.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>Az átjáró IP-címének 2. tagja érvénytelen. 0-255 közötti érték kell.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>Az átjáró IP-címének 3. tagja érvénytelen. 0-255 közötti érték kell.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>Az átjáró IP-címének 4. tagja érvénytelen. 1-254 közötti érték kell.</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>Hibás rendszergazdai jelszó!</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>Nem sikerült DHCP-ügyfélre váltani.</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>DHCP-ügyfél bekapcsolva.</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>Adja meg az IP-címet!</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>Adja meg az alhálózati maszkot!</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>Hibás IP-cím. Próbálja újra.</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>Az eszköz már nem érhető el.</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>Válassza ki a beállítandó eszközt.</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>Nem sikerült webböngészőt indítani.
Nyissa meg a(z) %1 címet egy webböngészőben.</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1, %3/%2. oktett</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>Nem található eszköz: ez a számítógép nem csatlakozik hálózathoz.</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>Nem található eszköz. A keresés csak ezt a hálózati szegmenst éri el, routereken és VLAN-okon át nem, és a számítógép tűzfalának engedélyeznie kell a bejövő forgalmat az UDP %1 porton.</translation>
    </message>
</context>
</TS>
