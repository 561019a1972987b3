<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>telvorin</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Máscara de red</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Volume Name</source>
        <translation>Nombre del volumen</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>BitTorrent does not supported on this device now.</source>
        <translation>Este dispositivo no admite BitTorrent por ahora.</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Recordar contraseña</translation>
    </message>
    <message>
        <source>No keyring to remember the password in.</source>
        <translation>No hay ningún llavero donde recordar la contraseña.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring, so the drive comes back at the next login</source>
        <translation>Guardar la contraseña en el llavero del escritorio para que la unidad vuelva en el próximo inicio de sesión</translation>
    </message>
    <message>
        <source>Connect to Share</source>
        <translation>Conectar al recurso compartido</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation>Dominio:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Connect as guest</source>
        <translation>Conectar como invitado</translation>
    </message>
    <message>
        <source>Failed to map drive.</source>
        <translation>No se pudo asignar la unidad.</translation>
    </message>
    <message>
        <source>Please select a device in the above section.</source>
        <translation>Seleccione un dispositivo en la sección de arriba.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Successfully mapped drive.</source>
        <translation>La unidad se asignó correctamente.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Unable to disconnect this drive.
Please select a drive to disconnect and verify that the drive is not being accessed.</source>
        <translation>No se puede desconectar esta unidad.
Seleccione una unidad para desconectar y compruebe que no se está usando.</translation>
    </message>
    <message>
        <source>Successfully unmapped drive.</source>
        <translation>La unidad se desconectó correctamente.</translation>
    </message>
    <message>
        <source>Please check hard drives.</source>
        <translation>Compruebe los discos duros.</translation>
    </message>
    <message>
        <source>The device did not confirm that it stopped and may still be in write mode.</source>
        <translation>El dispositivo no confirmó que se detuvo y puede seguir en modo de escritura.</translation>
    </message>
    <message>
        <source>The device file %1/%2 (installed as %3, %4 bytes) is missing or has the wrong size, so nothing was installed.
Device files belong in %5.</source>
        <translation>El archivo de dispositivo %1/%2 (instalado como %3, %4 bytes) falta o tiene un tamaño incorrecto, así que no se instaló nada.
Los archivos de dispositivo van en %5.</translation>
    </message>
    <message>
        <source>This device supports Unicode.</source>
        <translation>Este dispositivo admite Unicode.</translation>
    </message>
    <message>
        <source>Multi-language options are not supported on this device.</source>
        <translation>Este dispositivo no admite opciones de idioma.</translation>
    </message>
    <message>
        <source>This codepage does not supported in this firmware.
Please download the latest firmware from the support link.</source>
        <translation>Este firmware no admite esta página de códigos.
Descargue el firmware más reciente desde el enlace de soporte.</translation>
    </message>
    <message>
        <source>No desktop session bus, so no keyring to remember the password in.</source>
        <translation>No hay bus de sesión del escritorio, así que no hay llavero para la contraseña.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) runs in this desktop session, so the password cannot be remembered.</source>
        <translation>No hay ningún llavero (Secret Service) en esta sesión, así que no se puede recordar la contraseña.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Please select a device.</source>
        <translation>Seleccione un dispositivo.</translation>
    </message>
    <message>
        <source>No hard drives were detected.
Please verify that the hard drives are properly connected before continuing.</source>
        <translation>No se detectó ningún disco duro.
Compruebe que los discos duros están bien conectados antes de continuar.</translation>
    </message>
    <message>
        <source>Please format hard drive.</source>
        <translation>Formatee el disco duro.</translation>
    </message>
    <message>
        <source>Loading.....</source>
        <translation>Cargando.....</translation>
    </message>
    <message>
        <source> Warning: Do not power down your device during this process.</source>
        <translation> Advertencia: no apague el dispositivo durante este proceso.</translation>
    </message>
    <message>
        <source>Doing so may physically damage this device.</source>
        <translation>Hacerlo puede dañar físicamente el dispositivo.</translation>
    </message>
    <message>
        <source>The system is restarting. Please wait a moment.</source>
        <translation>El sistema se está reiniciando. Espere un momento.</translation>
    </message>
    <message>
        <source>Restart progress</source>
        <translation>Progreso del reinicio</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Europa occidental</translation>
    </message>
    <message>
        <source>Northern European</source>
        <translation>Europa del norte</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europa central</translation>
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
        <translation>Japonés (Shift-JIS)</translation>
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
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Inicio de sesión</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volúmenes</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Network Storage Device</source>
        <translation>Dispositivo de almacenamiento en red</translation>
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
        <translation>Máscara de red:</translation>
    </message>
    <message>
        <source>Gateway :</source>
        <translation>Puerta de enlace:</translation>
    </message>
    <message>
        <source>Drive Mapping</source>
        <translation>Asignación de unidades</translation>
    </message>
    <message>
        <source>Available drive letters</source>
        <translation>Letras de unidad disponibles</translation>
    </message>
    <message>
        <source>Receive DHCP</source>
        <translation>Obtener por DHCP</translation>
    </message>
    <message>
        <source>Receive DHCP :</source>
        <translation>Obtener por DHCP:</translation>
    </message>
    <message>
        <source>Available Drive Letters :</source>
        <translation>Letras de unidad disponibles:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About Network Storage Adapter(&amp;A)...</source>
        <translation>&amp;Acerca del adaptador de almacenamiento en red...</translation>
    </message>
    <message>
        <source>Finds and manages network storage.</source>
        <translation>Busca y gestiona el almacenamiento en red.</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Invalid IP address in 1st digit. It should be 1-254.</source>
        <translation>El 1.º número de la dirección IP no es válido. Debe estar entre 1-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 2nd digit. It should be 0-254.</source>
        <translation>El 2.º número de la dirección IP no es válido. Debe estar entre 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 3rd digit. It should be 0-254.</source>
        <translation>El 3.º número de la dirección IP no es válido. Debe estar entre 0-254.</translation>
    </message>
    <message>
        <source>Invalid IP address in 4th digit. It should be 1-254.</source>
        <translation>El 4.º número de la dirección IP no es válido. Debe estar entre 1-254.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 1st digit. It should be 1-255.</source>
        <translation>El 1.º número de la máscara de subred no es válido. Debe estar entre 1-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 2nd digit. It should be 0-255.</source>
        <translation>El 2.º número de la máscara de subred no es válido. Debe estar entre 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 3rd digit. It should be 0-255.</source>
        <translation>El 3.º número de la máscara de subred no es válido. Debe estar entre 0-255.</translation>
    </message>
    <message>
        <source>Invalid subnet mask address in 4th digit. It should be 0-254.</source>
        <translation>El 4.º número de la máscara de subred no es válido. Debe estar entre 0-254.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 1st digit. It should be 1-255.</source>
        <translation>El 1.º número de la dirección IP de la puerta de enlace no es válido. Debe estar entre 1-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 2nd digit. It should be 0-255.</source>
        <translation>El 2.º número de la dirección IP de la puerta de enlace no es válido. Debe estar entre 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 3rd digit. It should be 0-255.</source>
        <translation>El 3.º número de la dirección IP de la puerta de enlace no es válido. Debe estar entre 0-255.</translation>
    </message>
    <message>
        <source>Invalid gateway IP address in 4th digit. It should be 1-254.</source>
        <translation>El 4.º número de la dirección IP de la puerta de enlace no es válido. Debe estar entre 1-254.</translation>
    </message>
    <message>
        <source>Wrong administrator password input!</source>
        <translation>¡Contraseña de administrador incorrecta!</translation>
    </message>
    <message>
        <source>Set to dhcp client fail.</source>
        <translation>No se pudo cambiar a cliente DHCP.</translation>
    </message>
    <message>
        <source>DHCP client enabled.</source>
        <translation>Cliente DHCP activado.</translation>
    </message>
    <message>
        <source>Please input IP address!</source>
        <translation>¡Introduzca la dirección IP!</translation>
    </message>
    <message>
        <source>Please input net mask address!</source>
        <translation>¡Introduzca la máscara de red!</translation>
    </message>
    <message>
        <source>IP address input error. Please try again.</source>
        <translation>Dirección IP incorrecta. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Device is no longer available.</source>
        <translation>El dispositivo ya no está disponible.</translation>
    </message>
    <message>
        <source>Please select a device to configure.</source>
        <translation>Seleccione el dispositivo que desea configurar.</translation>
    </message>
    <message>
        <source>No web browser could be started.
Open %1 in a web browser.</source>
        <translation>No se pudo iniciar ningún navegador web.
Abra %1 en un navegador web.</translation>
    </message>
    <message>
        <source>%1, octet %2 of %3</source>
        <translation>%1, octeto %2 de %3</translation>
    </message>
    <message>
        <source>No device found: this computer is not connected to a network.</source>
        <translation>No se ha encontrado ningún dispositivo: este equipo no está conectado a ninguna red.</translation>
    </message>
    <message>
        <source>No device found. The search reaches only this network segment, not across routers or VLANs, and a firewall on this computer must let UDP port %1 in.</source>
        <translation>No se ha encontrado ningún dispositivo. La búsqueda solo llega a este segmento de red, no atraviesa routers ni VLAN, y el cortafuegos de este equipo debe permitir la entrada por el puerto UDP %1.</translation>
    </message>
</context>
</TS>
