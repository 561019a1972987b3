<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
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
        <translation>Máscara de rede</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>Nome do volume</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>Este dispositivo não suporta BitTorrent neste momento.</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Lembrar palavra-passe</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>Não há porta-chaves onde guardar a palavra-passe.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>Guardar a palavra-passe no porta-chaves do ambiente de trabalho, para que a unidade volte no próximo início de sessão</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>Ligar à partilha</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nome de utilizador:</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>Domínio:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>Ligar como convidado</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>Não foi possível mapear a unidade.</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>Selecione um dispositivo na secção acima.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>A unidade foi mapeada.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>Não é possível desligar esta unidade.
Selecione uma unidade a desligar e verifique que não está a ser utilizada.</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>A unidade foi desligada.</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>Verifique os discos rígidos.</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>O dispositivo não confirmou que parou e pode ainda estar em modo de escrita.</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>O ficheiro de dispositivo %1/%2 (instalado como %3, %4 bytes) falta ou tem o tamanho errado, por isso nada foi instalado.
Os ficheiros de dispositivo ficam em %5.</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>Este dispositivo suporta Unicode.</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>Este dispositivo não suporta opções de idioma.</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>Este firmware não suporta esta página de código.
Transfira o firmware mais recente a partir da ligação de suporte.</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>Não há barramento de sessão do ambiente de trabalho, logo não há porta-chaves para a palavra-passe.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>Nenhum porta-chaves (Secret Service) está ativo nesta sessão, por isso a palavra-passe não pode ser guardada.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>Selecione um dispositivo.</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>Não foram detetados discos rígidos.
Verifique se os discos rígidos estão bem ligados antes de continuar.</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>Formate o disco rígido.</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>A carregar.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> Aviso: não desligue o dispositivo durante este processo.</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>Isso pode danificar fisicamente o dispositivo.</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>O sistema está a reiniciar. Aguarde um momento.</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>Progresso do reinício</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinês tradicional</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Europa Ocidental</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>Europa do Norte</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europa Central</translation>
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
        <translation>Cirílico</translation>
    </message>
    <message>
        <source>Japanese SJIS</source>
        <translation>Japonês (Shift-JIS)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>User name :</source>
        <translation>Nome de utilizador:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de utilizador</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Início de sessão</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volumes</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>Dispositivo de armazenamento em rede</translation>
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
        <translation>Máscara de rede:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>Mapeamento de unidades</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>Letras de unidade disponíveis</translation>
    </message>
    <message>
        <source>Receive DHCP</source>
        <translation>Obter por DHCP</translation>
    </message>
    <message>
        <source>Receive DHCP :</source>
        <translation>Obter por DHCP:</translation>
    </message>
    <message>
        <source>Available Drive Letters :</source>
        <translation>Letras de unidade disponíveis:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>&amp;Acerca do adaptador de armazenamento em rede...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>Encontra e gere o armazenamento em rede.</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Versão: %1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>O 1.º número do endereço IP é inválido. Deve estar entre 1-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>O 2.º número do endereço IP é inválido. Deve estar entre 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>O 3.º número do endereço IP é inválido. Deve estar entre 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>O 4.º número do endereço IP é inválido. Deve estar entre 1-254.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>O 1.º número da máscara de sub-rede é inválido. Deve estar entre 1-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>O 2.º número da máscara de sub-rede é inválido. Deve estar entre 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>O 3.º número da máscara de sub-rede é inválido. Deve estar entre 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>O 4.º número da máscara de sub-rede é inválido. Deve estar entre 0-254.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>O 1.º número do endereço IP do gateway é inválido. Deve estar entre 1-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>O 2.º número do endereço IP do gateway é inválido. Deve estar entre 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>O 3.º número do endereço IP do gateway é inválido. Deve estar entre 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>O 4.º número do endereço IP do gateway é inválido. Deve estar entre 1-254.</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>Palavra-passe de administrador errada!</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>Não foi possível mudar para cliente DHCP.</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>Cliente DHCP ativado.</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>Introduza o endereço IP!</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>Introduza a máscara de rede!</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>Endereço IP incorreto. Tente novamente.</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>O dispositivo já não está disponível.</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>Selecione o dispositivo a configurar.</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>Não foi possível iniciar um navegador web.
Abra %1 num navegador web.</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1, octeto %2 de %3</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>Nenhum dispositivo encontrado: este computador não está ligado a nenhuma rede.</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>Nenhum dispositivo encontrado. A pesquisa chega apenas a este segmento de rede, não atravessa routers nem VLAN, e a firewall deste computador tem de deixar entrar o tráfego na porta UDP %1.</translation>
    </message>
</context>
</TS>
