<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>telvorin</name>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>子網路遮罩</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>閘道</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>磁碟區名稱</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>此裝置目前不支援 BitTorrent。</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>記住密碼</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>沒有可記住密碼的金鑰圈。</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>將密碼保存在桌面金鑰圈中，下次登入時磁碟機會自動恢復</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>連線到共用資料夾</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>使用者名稱：</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>網域：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>以訪客身分連線</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>無法對應磁碟機。</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>請在上方區段選擇一台裝置。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>已成功對應磁碟機。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>無法中斷此磁碟機的連線。
請選擇要中斷連線的磁碟機，並確認沒有程式正在存取它。</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>已成功中斷磁碟機對應。</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>請檢查硬碟。</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>裝置未確認已停止，可能仍處於寫入模式。</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>裝置檔案 %1/%2（安裝為 %3，%4 位元組）遺失或大小不符，因此未安裝任何內容。
裝置檔案應放在 %5。</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>此裝置支援 Unicode。</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>此裝置不支援多語言選項。</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>此韌體不支援這個字碼頁。
請從支援連結下載最新韌體。</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>沒有桌面工作階段匯流排，因此沒有可記住密碼的金鑰圈。</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>此桌面工作階段沒有執行金鑰圈（Secret Service），因此無法記住密碼。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>請選擇一台裝置。</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>未偵測到硬碟。
請確認硬碟已正確連接後再繼續。</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>請將硬碟格式化。</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>載入中.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> 警告：在此過程中請勿關閉裝置電源。</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>否則可能會對裝置造成實體損壞。</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>系統正在重新啟動，請稍候。</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>重新啟動進度</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>西歐語系</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>北歐語系</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中歐語系</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其文</translation>
    </message>
    <message>
        <source>Korean Hangul</source>
        <translation>韓文</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>斯拉夫語系</translation>
    </message>
    <message>
        <source>Japanese SJIS</source>
        <translation>日文 (Shift-JIS)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>語言：</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>使用者名稱：</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>磁碟區</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>中斷連線</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>網路儲存裝置</translation>
    </message>
    <message>
        <source>LAN</source>
        <translation>區域網路</translation>
    </message>
    <message>
        <source>I P :</source>
        <translation>IP：</translation>
    </message>
    <message>
        <source>Netmask :</source>
        <translation>子網路遮罩：</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>閘道：</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>磁碟機對應</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>可用的磁碟機代號</translation>
    </message>
    <message>
        <source>Receive DHCP</source>
        <translation>使用 DHCP</translation>
    </message>
    <message>
        <source>Receive DHCP :</source>
        <translation>使用 DHCP：</translation>
    </message>
    <message>
        <source>Available Drive Letters :</source>
        <translation>可用的磁碟機代號：</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>關於網路儲存轉接器(&amp;A)...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>尋找並管理網路儲存裝置。</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>IP 位址的第 1 段無效，應為 1-254。</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>IP 位址的第 2 段無效，應為 0-254。</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>IP 位址的第 3 段無效，應為 0-254。</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>IP 位址的第 4 段無效，應為 1-254。</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>子網路遮罩的第 1 段無效，應為 1-255。</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>子網路遮罩的第 2 段無效，應為 0-255。</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>子網路遮罩的第 3 段無效，應為 0-255。</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>子網路遮罩的第 4 段無效，應為 0-254。</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>閘道 IP 位址的第 1 段無效，應為 1-255。</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>閘道 IP 位址的第 2 段無效，應為 0-255。</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>閘道 IP 位址的第 3 段無效，應為 0-255。</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>閘道 IP 位址的第 4 段無效，應為 1-254。</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>管理員密碼錯誤！</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>無法設為 DHCP 用戶端。</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>已啟用 DHCP 用戶端。</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>請輸入 IP 位址！</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>請輸入子網路遮罩！</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>IP 位址輸入錯誤，請再試一次。</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>裝置已無法使用。</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>請選擇要設定的裝置。</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>無法啟動網頁瀏覽器。
請在網頁瀏覽器中開啟 %1。</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1，第 %2 段，共 %3 段</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>找不到裝置：這部電腦未連線到網路。</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>找不到裝置。搜尋只能到達本網段，無法跨越路由器或 VLAN；此外，這部電腦上的防火牆必須允許 UDP 連接埠 %1 的傳入流量。</translation>
    </message>
</context>
</TS>
