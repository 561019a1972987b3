<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>telvorin</name>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>서브넷 마스크</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>게이트웨이</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>볼륨 이름</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>이 장치는 현재 BitTorrent를 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>암호 기억</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>암호를 저장할 키링이 없습니다.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>암호를 데스크톱 키링에 보관하여 다음 로그인 때 드라이브가 다시 연결되게 합니다</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>공유에 연결</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>사용자 이름:</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>도메인:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>암호:</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>게스트로 연결</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>드라이브를 연결하지 못했습니다.</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>위쪽 영역에서 장치를 선택하십시오.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>드라이브를 연결했습니다.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>이 드라이브의 연결을 끊을 수 없습니다.
연결을 끊을 드라이브를 선택하고 사용 중이 아닌지 확인하십시오.</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>드라이브 연결을 해제했습니다.</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>하드 디스크를 확인하십시오.</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>장치가 중지를 확인하지 않아 아직 쓰기 모드일 수 있습니다.</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>장치 파일 %1/%2(%3(으)로 설치, %4바이트)이(가) 없거나 크기가 맞지 않아 아무것도 설치하지 않았습니다.
장치 파일 위치: %5</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>이 장치는 유니코드를 지원합니다.</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>이 장치는 다국어 옵션을 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>이 펌웨어는 이 코드 페이지를 지원하지 않습니다.
지원 링크에서 최신 펌웨어를 다운로드하십시오.</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>데스크톱 세션 버스가 없어 암호를 저장할 키링이 없습니다.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>이 데스크톱 세션에서 키링(Secret Service)이 실행되고 있지 않아 암호를 기억할 수 없습니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>장치를 선택하십시오.</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>하드 디스크가 감지되지 않았습니다.
계속하기 전에 하드 디스크가 제대로 연결되었는지 확인하십시오.</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>하드 디스크를 포맷하십시오.</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>불러오는 중.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> 경고: 이 작업 중에는 장치의 전원을 끄지 마십시오.</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>그렇게 하면 장치가 물리적으로 손상될 수 있습니다.</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>시스템을 다시 시작하는 중입니다. 잠시 기다리십시오.</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>다시 시작 진행률</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>중국어 번체</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>중국어 간체</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>서유럽어</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>북유럽어</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>중앙 유럽어</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>터키어</translation>
    </message>
    <message>
        <source>Korean Hangul</source>
        <translation>한국어(한글)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>키릴 문자</translation>
    </message>
    <message>
        <source>Japanese SJIS</source>
        <translation>일본어(Shift-JIS)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>언어:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>사용자 이름:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>암호:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>구성</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 주소</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>볼륨</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>연결 끊기</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>네트워크 저장 장치</translation>
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
        <translation>서브넷 마스크:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>게이트웨이:</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>드라이브 연결</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>사용 가능한 드라이브 문자</translation>
    </message>
    <message>
        <source>Receive DHCP</source>
        <translation>DHCP 사용</translation>
    </message>
    <message>
        <source>Receive DHCP :</source>
        <translation>DHCP 사용:</translation>
    </message>
    <message>
        <source>Available Drive Letters :</source>
        <translation>사용 가능한 드라이브 문자:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>네트워크 저장 어댑터 정보(&amp;A)...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>네트워크 저장 장치를 찾고 관리합니다.</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>버전: %1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>IP 주소의 첫번째 자리가 잘못되었습니다. 1-254 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>IP 주소의 두번째 자리가 잘못되었습니다. 0-254 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>IP 주소의 세번째 자리가 잘못되었습니다. 0-254 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>IP 주소의 네번째 자리가 잘못되었습니다. 1-254 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>서브넷 마스크의 첫번째 자리가 잘못되었습니다. 1-255 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>서브넷 마스크의 두번째 자리가 잘못되었습니다. 0-255 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>서브넷 마스크의 세번째 자리가 잘못되었습니다. 0-255 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>서브넷 마스크의 네번째 자리가 잘못되었습니다. 0-254 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>게이트웨이 IP 주소의 첫번째 자리가 잘못되었습니다. 1-255 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>게이트웨이 IP 주소의 두번째 자리가 잘못되었습니다. 0-255 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>게이트웨이 IP 주소의 세번째 자리가 잘못되었습니다. 0-255 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>게이트웨이 IP 주소의 네번째 자리가 잘못되었습니다. 1-254 사이여야 합니다.</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>관리자 암호가 틀렸습니다!</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>DHCP 클라이언트로 설정하지 못했습니다.</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>DHCP 클라이언트를 사용합니다.</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>IP 주소를 입력하십시오!</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>서브넷 마스크를 입력하십시오!</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>IP 주소 입력이 잘못되었습니다. 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>장치를 더 이상 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>구성할 장치를 선택하십시오.</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>웹 브라우저를 시작할 수 없습니다.
웹 브라우저에서 %1을(를) 여십시오.</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1, %3개 중 %2번째 옥텟</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>장치를 찾을 수 없습니다: 이 컴퓨터는 네트워크에 연결되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>장치를 찾을 수 없습니다. 검색은 이 네트워크 세그먼트에만 도달하며 라우터나 VLAN을 넘어가지 않습니다. 또한 이 컴퓨터의 방화벽에서 UDP 포트 %1의 수신을 허용해야 합니다.</translation>
    </message>
</context>
</TS>
