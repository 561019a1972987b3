<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>telvorin</name>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Ağ maskesi</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Ağ geçidi</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>Birim adı</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>Bu aygıt şu anda BitTorrent desteklemiyor.</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Parolayı hatırla</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>Parolayı saklayacak anahtarlık yok.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>Parolayı masaüstü anahtarlığında sakla; sürücü bir sonraki oturum açışta geri gelir</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>Paylaşıma bağlan</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Kullanıcı adı:</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>Etki alanı:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Parola:</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>Konuk olarak bağlan</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>Sürücü eşlenemedi.</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>Lütfen yukarıdaki bölümden bir aygıt seçin.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>Sürücü eşlendi.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Onay</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>Bu sürücünün bağlantısı kesilemedi.
Lütfen bağlantısı kesilecek sürücüyü seçin ve sürücünün kullanımda olmadığından emin olun.</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>Sürücü eşlemesi kaldırıldı.</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>Lütfen sabit diskleri denetleyin.</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>Aygıt durduğunu doğrulamadı; hâlâ yazma kipinde olabilir.</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>%1/%2 aygıt dosyası (%3 olarak kurulur, %4 bayt) eksik ya da boyutu yanlış; bu yüzden hiçbir şey kurulmadı.
Aygıt dosyalarının yeri: %5.</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>Bu aygıt Unicode destekliyor.</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>Bu aygıt çoklu dil seçeneklerini desteklemiyor.</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>Bu ürün yazılımı bu kod sayfasını desteklemiyor.
Lütfen en son ürün yazılımını destek bağlantısından indirin.</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>Masaüstü oturum veri yolu yok; parolayı saklayacak anahtarlık da yok.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>Bu masaüstü oturumunda anahtarlık (Secret Service) çalışmıyor; parola hatırlanamaz.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>Lütfen bir aygıt seçin.</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>Sabit disk algılanmadı.
Devam etmeden önce sabit disklerin doğru bağlandığından emin olun.</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>Lütfen sabit diski biçimlendirin.</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>Yükleniyor.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> Uyarı: Bu işlem sırasında aygıtı kapatmayın.</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>Bu, aygıta fiziksel zarar verebilir.</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>Sistem yeniden başlatılıyor. Lütfen biraz bekleyin.</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>Yeniden başlatma ilerlemesi</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Geleneksel Çince</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Basitleştirilmiş Çince</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Batı Avrupa</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>Kuzey Avrupa</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Orta Avrupa</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Korean Hangul</source>
        <translation>Korece (Hangıl)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kiril</translation>
    </message>
    <message>
        <source>Japanese SJIS</source>
        <translation>Japonca (Shift-JIS)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Dil:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>Kullanıcı adı:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Kullanıcı adı</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Parola:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Oturum aç</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Aygıtlar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Yenile</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Yapılandırma</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP adresi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Birimler</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Bağlan</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Bağlantıyı kes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>Ağ depolama aygıtı</translation>
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
        <translation>Ağ maskesi:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Ağ geçidi:</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>Sürücü eşleme</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>Kullanılabilir sürücü harfleri</translation>
    </message>
    <message>
        <source>Receive DHCP</source>
        <translation>DHCP ile al</translation>
    </message>
    <message>
        <source>Receive DHCP :</source>
        <translation>DHCP ile al:</translation>
    </message>
    <message>
        <source>Available Drive Letters :</source>
        <translation>Kullanılabilir sürücü harfleri:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>Ağ Depolama Bağdaştırıcısı &amp;hakkında...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>Ağ depolama aygıtlarını bulur ve yönetir.</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Sürüm: %1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>IP adresinin 1. bölümü geçersiz. 1-254 arasında olmalı.</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>IP adresinin 2. bölümü geçersiz. 0-254 arasında olmalı.</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>IP adresinin 3. bölümü geçersiz. 0-254 arasında olmalı.</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>IP adresinin 4. bölümü geçersiz. 1-254 arasında olmalı.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>Alt ağ maskesinin 1. bölümü geçersiz. 1-255 arasında olmalı.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>Alt ağ maskesinin 2. bölümü geçersiz. 0-255 arasında olmalı.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>Alt ağ maskesinin 3. bölümü geçersiz. 0-255 arasında olmalı.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>Alt ağ maskesinin 4. bölümü geçersiz. 0-254 arasında olmalı.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>Ağ geçidi IP adresinin 1. bölümü geçersiz. 1-255 arasında olmalı.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>Ağ geçidi IP adresinin 2. bölümü geçersiz. 0-255 arasında olmalı.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>Ağ geçidi IP adresinin 3. bölümü geçersiz. 0-255 arasında olmalı.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>Ağ geçidi IP adresinin 4. bölümü geçersiz. 1-254 arasında olmalı.</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>Yönetici parolası yanlış!</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>DHCP istemcisine geçilemedi.</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>DHCP istemcisi etkinleştirildi.</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>Lütfen IP adresini girin!</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>Lütfen ağ maskesini girin!</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>IP adresi hatalı girildi. Lütfen yeniden deneyin.</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>Aygıt artık kullanılamıyor.</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>Lütfen yapılandırılacak aygıtı seçin.</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>Web tarayıcısı başlatılamadı.
%1 adresini bir web tarayıcısında açın.</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1, %2/%3. sekizli</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>Aygıt bulunamadı: bu bilgisayar bir ağa bağlı değil.</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>Aygıt bulunamadı. Arama yalnızca bu ağ kesimine ulaşır, yönlendiricilerin veya VLAN&apos;ların ötesine geçmez ve bu bilgisayardaki güvenlik duvarı UDP %1 bağlantı noktasına gelen trafiğe izin vermelidir.</translation>
    </message>
</context>
</TS>
