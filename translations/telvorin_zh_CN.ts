<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>telvorin</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>卷名</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>此设备目前不支持 BitTorrent。</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>记住密码</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>没有可保存密码的密钥环。</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>将密码保存在桌面密钥环中，下次登录时驱动器会自动恢复</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>连接到共享</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>用户名：</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>域：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>以访客身份连接</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>无法映射驱动器。</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>请在上方区域选择一台设备。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>已成功映射驱动器。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>无法断开此驱动器。
请选择要断开的驱动器，并确认没有程序正在访问它。</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>已成功断开驱动器映射。</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>请检查硬盘。</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>设备未确认已停止，可能仍处于写入模式。</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>设备文件 %1/%2（安装为 %3，%4 字节）缺失或大小不符，因此未安装任何内容。
设备文件应放在 %5。</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>此设备支持 Unicode。</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>此设备不支持多语言选项。</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>此固件不支持该代码页。
请从支持链接下载最新固件。</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>没有桌面会话总线，因此没有可保存密码的密钥环。</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>此桌面会话中没有运行密钥环（Secret Service），因此无法记住密码。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>请选择一台设备。</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>未检测到硬盘。
请确认硬盘已正确连接后再继续。</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>请格式化硬盘。</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>正在加载.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> 警告：在此过程中请勿关闭设备电源。</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>否则可能会对设备造成物理损坏。</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>系统正在重新启动，请稍候。</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>重新启动进度</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>西欧语系</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>北欧语系</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中欧语系</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其语</translation>
    </message>
    <message>
        <source>Korean Hangul</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>西里尔文</translation>
    </message>
    <message>
        <source>Japanese SJIS</source>
        <translation>日语 (Shift-JIS)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>用户名：</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>密码：</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>卷</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>网络存储设备</translation>
    </message>
    <message>
        <source>LAN</source>
        <translation>局域网</translation>
    </message>
    <message>
        <source>I P :</source>
        <translation>IP：</translation>
    </message>
    <message>
        <source>Netmask :</source>
        <translation>子网掩码：</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>网关：</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>驱动器映射</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>可用的驱动器号</translation>
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
        <translation>可用的驱动器号：</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>关于网络存储适配器(&amp;A)...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>查找并管理网络存储设备。</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>IP 地址的第 1 段无效，应为 1-254。</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>IP 地址的第 2 段无效，应为 0-254。</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>IP 地址的第 3 段无效，应为 0-254。</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>IP 地址的第 4 段无效，应为 1-254。</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>子网掩码的第 1 段无效，应为 1-255。</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>子网掩码的第 2 段无效，应为 0-255。</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>子网掩码的第 3 段无效，应为 0-255。</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>子网掩码的第 4 段无效，应为 0-254。</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>网关 IP 地址的第 1 段无效，应为 1-255。</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>网关 IP 地址的第 2 段无效，应为 0-255。</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>网关 IP 地址的第 3 段无效，应为 0-255。</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>网关 IP 地址的第 4 段无效，应为 1-254。</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>管理员密码错误！</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>无法设为 DHCP 客户端。</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>已启用 DHCP 客户端。</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>请输入 IP 地址！</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>请输入子网掩码！</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>IP 地址输入错误，请重试。</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>设备已不可用。</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>请选择要配置的设备。</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>无法启动网页浏览器。
请在网页浏览器中打开 %1。</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1，第 %2 段，共 %3 段</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>未找到设备：此计算机未连接到网络。</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>未找到设备。搜索只能到达本网段，无法跨越路由器或 VLAN；此外，此计算机上的防火墙必须允许 UDP 端口 %1 的传入流量。</translation>
    </message>
</context>
</TS>
