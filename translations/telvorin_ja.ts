<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>telvorin</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>ボリューム名</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>このデバイスは現在 BitTorrent に対応していません。</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>パスワードを保存</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>パスワードを保存するキーリングがありません。</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>パスワードをデスクトップのキーリングに保存し、次回ログイン時にドライブを復元します</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>共有に接続</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>ユーザー名:</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>ドメイン:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>パスワード:</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>ゲストとして接続</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>ドライブを割り当てられませんでした。</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>上の欄でデバイスを選択してください。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>ドライブを割り当てました。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>このドライブを切断できません。
切断するドライブを選択し、使用中でないことを確認してください。</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>ドライブの割り当てを解除しました。</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>ハードディスクを確認してください。</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>デバイスが停止を確認しなかったため、まだ書き込みモードの可能性があります。</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>デバイスファイル %1/%2（%3 としてインストール、%4 バイト）が見つからないかサイズが違うため、何もインストールしませんでした。
デバイスファイルの置き場所: %5</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>このデバイスは Unicode に対応しています。</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>このデバイスは多言語オプションに対応していません。</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>このファームウェアはこのコードページに対応していません。
サポートのリンクから最新のファームウェアをダウンロードしてください。</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>デスクトップのセッションバスがないため、パスワードを保存するキーリングがありません。</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>このデスクトップセッションではキーリング（Secret Service）が動いていないため、パスワードを保存できません。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>デバイスを選択してください。</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>ハードディスクが検出されませんでした。
続ける前にハードディスクが正しく接続されているか確認してください。</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>ハードディスクをフォーマットしてください。</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>読み込み中.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> 警告: この処理中はデバイスの電源を切らないでください。</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>電源を切るとデバイスが物理的に損傷するおそれがあります。</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>システムを再起動しています。しばらくお待ちください。</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>再起動の進行状況</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体字中国語</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>簡体字中国語</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>西ヨーロッパ言語</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>北ヨーロッパ言語</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中央ヨーロッパ言語</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>トルコ語</translation>
    </message>
    <message>
        <source>Korean Hangul</source>
        <translation>韓国語（ハングル）</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>キリル文字</translation>
    </message>
    <message>
        <source>Japanese SJIS</source>
        <translation>日本語 (Shift-JIS)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>言語:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>ユーザー名:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>パスワード:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP アドレス</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>ボリューム</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>ネットワークストレージデバイス</translation>
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
        <translation>サブネットマスク:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>ゲートウェイ:</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>ドライブの割り当て</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>使用できるドライブ文字</translation>
    </message>
    <message>
        <source>Receive DHCP</source>
        <translation>DHCP を使用</translation>
    </message>
    <message>
        <source>Receive DHCP :</source>
        <translation>DHCP を使用:</translation>
    </message>
    <message>
        <source>Available Drive Letters :</source>
        <translation>使用できるドライブ文字:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>ネットワークストレージアダプターについて(&amp;A)...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>ネットワークストレージを検出して管理します。</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>バージョン: %1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>IP アドレスの第 1 オクテットが無効です。1-254 の値にしてください。</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>IP アドレスの第 2 オクテットが無効です。0-254 の値にしてください。</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>IP アドレスの第 3 オクテットが無効です。0-254 の値にしてください。</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>IP アドレスの第 4 オクテットが無効です。1-254 の値にしてください。</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>サブネットマスクの第 1 オクテットが無効です。1-255 の値にしてください。</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>サブネットマスクの第 2 オクテットが無効です。0-255 の値にしてください。</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>サブネットマスクの第 3 オクテットが無効です。0-255 の値にしてください。</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>サブネットマスクの第 4 オクテットが無効です。0-254 の値にしてください。</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>ゲートウェイの IP アドレスの第 1 オクテットが無効です。1-255 の値にしてください。</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>ゲートウェイの IP アドレスの第 2 オクテットが無効です。0-255 の値にしてください。</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>ゲートウェイの IP アドレスの第 3 オクテットが無効です。0-255 の値にしてください。</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>ゲートウェイの IP アドレスの第 4 オクテットが無効です。1-254 の値にしてください。</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>管理者パスワードが違います。</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>DHCP クライアントに設定できませんでした。</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>DHCP クライアントを有効にしました。</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>IP アドレスを入力してください。</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>サブネットマスクを入力してください。</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>IP アドレスの入力が正しくありません。もう一度入力してください。</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>デバイスはもう利用できません。</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>設定するデバイスを選択してください。</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>Web ブラウザーを起動できませんでした。
Web ブラウザーで %1 を開いてください。</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1、オクテット %2/%3</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>デバイスが見つかりません: このコンピューターはネットワークに接続されていません。</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>デバイスが見つかりません。検索はこのネットワークセグメント内にしか届かず、ルーターや VLAN を越えません。また、このコンピューターのファイアウォールで UDP ポート %1 への受信を許可する必要があります。</translation>
    </message>
</context>
</TS>
