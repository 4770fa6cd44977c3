<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>This product uses the Qt toolkit (LGPL version 3), OpenSSL (Apache License 2.0), QtWebKit (LGPL version 2.1) and QXmpp (LGPL version 2.1).</source>
        <translation>Este producto utiliza el kit de herramientas Qt (LGPL versión 3), OpenSSL (licencia Apache 2.0), QtWebKit (LGPL versión 2.1) y QXmpp (LGPL versión 2.1).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>UI setting error</source>
        <translation>Error de configuración de la interfaz</translation>
    </message>
    <message>
        <source>Couldn&apos;t find UI settings file</source>
        <translation>No se encontró el archivo de configuración de la interfaz</translation>
    </message>
    <message>
        <source>Initialization Error</source>
        <translation>Error de inicialización</translation>
    </message>
    <message>
        <source>Initialization of the application failed!</source>
        <translation>¡No se pudo inicializar la aplicación!</translation>
    </message>
    <message>
        <source>Theme Loading Error</source>
        <translation>Error al cargar el tema</translation>
    </message>
    <message>
        <source>Initialization error</source>
        <translation>Error de inicialización</translation>
    </message>
    <message>
        <source>Unable to initialize login window!</source>
        <translation>¡No se pudo inicializar la ventana de inicio de sesión!</translation>
    </message>
    <message>
        <source>Stored Accounts</source>
        <translation>Cuentas guardadas</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>ocupa más de %1 MiB</translation>
    </message>
    <message>
        <source>its content cannot be deciphered</source>
        <translation>su contenido no se puede descifrar</translation>
    </message>
    <message>
        <source>The stored accounts in %1 could not be read: %2. The file was left as it is and no account is stored until it can be read.</source>
        <translation>No se pudieron leer las cuentas guardadas en %1: %2. El archivo se dejó tal como está y no se guardará ninguna cuenta hasta que pueda leerse.</translation>
    </message>
    <message>
        <source>The stored accounts in %1 could not be read: %2. The file was kept as %3. Sign in again to store your account.</source>
        <translation>No se pudieron leer las cuentas guardadas en %1: %2. El archivo se conservó como %3. Vuelva a iniciar sesión para guardar su cuenta.</translation>
    </message>
    <message>
        <source>Data Folder Error</source>
        <translation>Error de la carpeta de datos</translation>
    </message>
    <message>
        <source>The folder for your settings and accounts cannot be used: %1.</source>
        <translation>No se puede usar la carpeta de su configuración y sus cuentas: %1.</translation>
    </message>
    <message>
        <source>the system offers no folder for your data</source>
        <translation>el sistema no ofrece ninguna carpeta para sus datos</translation>
    </message>
    <message>
        <source>%1 is not a folder and cannot be made one</source>
        <translation>%1 no es una carpeta y no se puede crear</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>no se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot start because %2.</source>
        <translation>%1 no puede iniciarse porque %2.</translation>
    </message>
    <message>
        <source>Start-up Error</source>
        <translation>Error de inicio</translation>
    </message>
    <message>
        <source>%1 is already running but does not answer (its lock is %2). Close it, or end its process, and start %1 again.</source>
        <translation>%1 ya se está ejecutando pero no responde (su bloqueo es %2). Ciérrelo, o termine su proceso, y vuelva a iniciar %1.</translation>
    </message>
    <message>
        <source>These configuration files could not be read:</source>
        <translation>No se pudieron leer estos archivos de configuración:</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>Error de configuración</translation>
    </message>
    <message>
        <source>%1 Connectivity</source>
        <extracomment>%1 is HTTP or HTTPS</extracomment>
        <translation>Conectividad %1</translation>
    </message>
    <message>
        <source>Secured %1 proxy was detected during %1 connectivity test. Ask system administrator for valid credentials in order to access the network. If credentials are not provided, some of the application&apos;s features may be unavailable.</source>
        <extracomment>%1 is HTTP or HTTPS</extracomment>
        <translation>Se detectó un proxy %1 protegido durante la prueba de conectividad %1. Solicite al administrador del sistema unas credenciales válidas para acceder a la red. Si no se proporcionan credenciales, es posible que algunas funciones de la aplicación no estén disponibles.</translation>
    </message>
    <message>
        <source>Forced Logout</source>
        <translation>Cierre de sesión forzado</translation>
    </message>
    <message>
        <source>%1 is not allowed to run simultaneously on multiple locations and had to logout here because it is being used somewhere else.</source>
        <translation>%1 no puede ejecutarse a la vez en varias ubicaciones y se ha cerrado la sesión aquí porque se está usando en otro lugar.</translation>
    </message>
    <message>
        <source>New Mandatory Version Available</source>
        <translation>Nueva versión obligatoria disponible</translation>
    </message>
    <message>
        <source>New mandatory version available. You have to update in order to continue using the application.</source>
        <translation>Hay una nueva versión obligatoria disponible. Debe actualizar para seguir usando la aplicación.</translation>
    </message>
    <message>
        <source>New Version Available</source>
        <translation>Nueva versión disponible</translation>
    </message>
    <message>
        <source>New version available, would you like to upgrade now?</source>
        <translation>Hay una nueva versión disponible. ¿Desea actualizar ahora?</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>Nueva versión</translation>
    </message>
    <message>
        <source>Press OK to automatically shut down and upgrade the application.</source>
        <translation>Pulse Aceptar para cerrar la aplicación y actualizarla automáticamente.</translation>
    </message>
    <message>
        <source>Error Downloading New Version</source>
        <translation>Error al descargar la nueva versión</translation>
    </message>
    <message>
        <source>Failed to launch default web browser with the following address: %1</source>
        <translation>No se pudo abrir el navegador web predeterminado con la siguiente dirección: %1</translation>
    </message>
    <message>
        <source>E911 Disclosure</source>
        <translation>Aviso sobre el servicio E911</translation>
    </message>
    <message>
        <source>WARNING: Do not use your soft phone to dial 911 except from your registered physical location. Use at a location other than the registered physical location may route 911 calls to an incorrect 911 dispatch center, potentially delaying or preventing emergency services. It is recommended that you maintain alternative access to 911 services.</source>
        <translation>ADVERTENCIA: No utilice su teléfono de software para marcar el 911 salvo desde su ubicación física registrada. Si lo usa en una ubicación distinta de la registrada, las llamadas al 911 podrían dirigirse a un centro de atención del 911 equivocado, lo que podría retrasar o impedir la asistencia de los servicios de emergencia. Se recomienda disponer de otro medio de acceso a los servicios del 911.</translation>
    </message>
    <message>
        <source>Xsi account password expires in %1 days. Please consider changing it.</source>
        <translation>La contraseña de la cuenta Xsi caduca dentro de %1 días. Le recomendamos cambiarla.</translation>
    </message>
    <message>
        <source>Xsi account password expires today. Please consider changing it.</source>
        <translation>La contraseña de la cuenta Xsi caduca hoy. Le recomendamos cambiarla.</translation>
    </message>
    <message>
        <source>Xsi account password has expired. Please change it to enable Xsi functionality.</source>
        <translation>La contraseña de la cuenta Xsi ha caducado. Cámbiela para habilitar las funciones de Xsi.</translation>
    </message>
    <message>
        <source>Unknown Configuration</source>
        <translation>Configuración desconocida</translation>
    </message>
    <message>
        <source>The selected configuration is not available. Choose another one and sign in again.</source>
        <translation>La configuración seleccionada no está disponible. Elija otra y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <source>Client is unable to connect to the server. Check your internet connection. If the problem persists please contact your service provider.</source>
        <translation>El cliente no puede conectarse al servidor. Compruebe su conexión a Internet. Si el problema continúa, póngase en contacto con su proveedor de servicios.</translation>
    </message>
    <message>
        <source>Invalid User</source>
        <translation>Usuario no válido</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Error de autenticación</translation>
    </message>
    <message>
        <source>Connection to server failed. Try again later. If the problem persists please contact your service provider.</source>
        <translation>No se pudo conectar con el servidor. Inténtelo de nuevo más tarde. Si el problema continúa, póngase en contacto con su proveedor de servicios.</translation>
    </message>
    <message>
        <source>Your settings in %1 could not be read (%2). The defaults are used, and the file is left as it is: changes to your settings cannot be saved until it can be read.</source>
        <translation>No se pudo leer su configuración en %1 (%2). Se usan los valores predeterminados y el archivo se deja tal como está: los cambios en su configuración no se podrán guardar hasta que pueda leerse.</translation>
    </message>
    <message>
        <source>Your settings in %1 could not be read (%2). The defaults are used; the file was kept as %3.</source>
        <translation>No se pudo leer su configuración en %1 (%2). Se usan los valores predeterminados; el archivo se guardó como %3.</translation>
    </message>
    <message>
        <source>The file %1, which names the program, is not text: the program runs under its built-in name, %2, with the settings kept under that name. Reinstalling the client restores the file.</source>
        <translation>El archivo %1, que da nombre al programa, no es texto: el programa se ejecuta con su nombre integrado, %2, y con la configuración guardada bajo ese nombre. Reinstalar el cliente restaura el archivo.</translation>
    </message>
    <message>
        <source>A line of the file %1, which names the program, is longer than %2 characters: only its first %2 are used.</source>
        <translation>Una línea del archivo %1, que da nombre al programa, tiene más de %2 caracteres: solo se usan los primeros %2.</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Instalación</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 MiB: only its beginning was read and the rest is ignored.</source>
        <translation>El archivo de configuración %1 ocupa más de %2 MiB: solo se leyó su comienzo y se ignora el resto.</translation>
    </message>
    <message>
        <source>Default theme not found. Please reinstall the client.
Looked for the theme &quot;%1&quot; in the folders %2.</source>
        <translation>No se encontró el tema predeterminado. Vuelva a instalar el cliente.
Se buscó el tema «%1» en las carpetas %2.</translation>
    </message>
    <message>
        <source>No configuration could be loaded (looked in %1). Signing in uses the service's own settings; if it fails, reinstall the program.</source>
        <translation>No se pudo cargar ninguna configuración (se buscó en %1). El inicio de sesión usa la configuración del propio servicio; si falla, vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Your history in %1 could not be read. The file is left as it is, and the history of this session is not kept until it can be read.</source>
        <translation>No se pudo leer su historial en %1. El archivo se dejó tal como está, y el historial de esta sesión no se guardará hasta que pueda leerse.</translation>
    </message>
    <message>
        <source>Your history in %1 could not be read. It was kept as %2, and a new history is started.</source>
        <translation>No se pudo leer su historial en %1. Se guardó como %2, y se empieza un historial nuevo.</translation>
    </message>
    <message>
        <source>What the service kept for you (your contacts and groups, your chats, your history and call settings) could not be read. It was kept as %1, and all of it starts afresh.</source>
        <translation>No se pudo leer lo que el servicio guardaba para usted (sus contactos y grupos, sus chats, su historial y la configuración de llamadas). Se guardó como %1, y todo empieza de nuevo.</translation>
    </message>
    <message>
        <source>Kept Data Unreadable</source>
        <translation>Datos guardados ilegibles</translation>
    </message>
    <message>
        <source>Your history and chats could not be saved (%1). They are kept and saved as soon as that is possible again; until then, ending the program loses what is new.</source>
        <translation>No se pudieron guardar su historial y sus chats (%1). Se conservan y se guardarán en cuanto vuelva a ser posible; hasta entonces, al cerrar el programa se pierde lo nuevo.</translation>
    </message>
    <message>
        <source>History Not Saved</source>
        <translation>Historial no guardado</translation>
    </message>
    <message>
        <source>The file %1, which names the program, is missing or cannot be read: the program runs under its built-in name, %2, with the settings and stored accounts kept under that name. Reinstalling the client restores the file.</source>
        <translation>El archivo %1, que da nombre al programa, falta o no se puede leer: el programa se ejecuta con su nombre integrado, %2, y con la configuración y las cuentas guardadas bajo ese nombre. Reinstalar el cliente restaura el archivo.</translation>
    </message>
    <message>
        <source>The file %1, which names the program, names no application: the program runs under its built-in name, %2, with the settings and stored accounts kept under that name. Reinstalling the client restores the file.</source>
        <translation>El archivo %1, que da nombre al programa, no nombra ninguna aplicación: el programa se ejecuta con su nombre integrado, %2, y con la configuración y las cuentas guardadas bajo ese nombre. Reinstalar el cliente restaura el archivo.</translation>
    </message>
    <message>
        <source>The installation&apos;s settings file %1 is not a settings file: it was not copied into your settings, and the program&apos;s own defaults are used. Reinstalling the client restores it.</source>
        <translation>El archivo de configuración de la instalación %1 no es un archivo de configuración: no se copió a su configuración, y se usan los valores predeterminados del programa. Al volver a instalar el cliente se restaura.</translation>
    </message>
    <message>
        <source>The installation&apos;s settings file %1 is missing: the program&apos;s own defaults are used. Reinstalling the client restores it.</source>
        <extracomment>%1 is the installation&apos;s settings file</extracomment>
        <translation>Falta el archivo de configuración de la instalación %1: se usan los valores predeterminados del programa. Al volver a instalar el cliente se restaura.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 MiB: only its beginning was read. Before your settings are saved, the whole file is kept as %3.</source>
        <extracomment>%1 is a file, %2 a size in MiB, %3 the file the whole of it is copied to</extracomment>
        <translation>El archivo de configuración %1 ocupa más de %2 MiB: solo se leyó su comienzo. Antes de guardar su configuración, el archivo completo se conserva como %3.</translation>
    </message>
    <message>
        <source>Links to rooms (zent:) could not be handed to this program by the desktop (%1). They will be registered again at the next start.</source>
        <extracomment>%1 names the file and why it could not be written</extracomment>
        <translation>El escritorio no puede pasar a este programa los enlaces a salas (zent:) (%1). Se registrarán de nuevo en el próximo inicio.</translation>
    </message>
    <message>
        <source>Links Not Registered</source>
        <translation>Enlaces no registrados</translation>
    </message>
    <message>
        <source>Call from a Link</source>
        <translation>Llamada desde un enlace</translation>
    </message>
    <message>
        <source>A link asks to call %1. Do you want to call this number?</source>
        <translation>Un enlace pide llamar al %1. ¿Desea llamar a este número?</translation>
    </message>
</context>
<context>
    <name>CallAnswerNotification</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="vanished">Vídeo</translation>
    </message>
    <message>
        <source>Answer with Video</source>
        <translation>Responder con vídeo</translation>
    </message>
    <message>
        <source>Answer with audio only</source>
        <translation>Responder solo con audio</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Responder</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Rechazar</translation>
    </message>
</context>
<context>
    <name>ChatNotification</name>
    <message>
        <source>Group Chat</source>
        <translation>Chat de grupo</translation>
    </message>
    <message>
        <source>Click to accept</source>
        <translation>Haga clic para aceptar</translation>
    </message>
</context>
<context>
    <name>ChatroomPassword</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Error:</source>
        <translation>Error:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CommunicationNotification</name>
    <message>
        <source>%1 wants to add video to the call</source>
        <translation>%1 quiere agregar vídeo a la llamada</translation>
    </message>
    <message>
        <source>%1 invited you to conference call</source>
        <translation>%1 le ha invitado a una llamada de conferencia</translation>
    </message>
    <message>
        <source>%1 is calling</source>
        <translation>%1 le está llamando</translation>
    </message>
    <message>
        <source>Accept My Room invitation from %1</source>
        <translation>Aceptar la invitación de %1 a Mi sala</translation>
    </message>
    <message>
        <source>%1 invited you to group chat</source>
        <translation>%1 le ha invitado a un chat de grupo</translation>
    </message>
    <message>
        <source>%1 wants to chat</source>
        <translation>%1 quiere chatear</translation>
    </message>
    <message>
        <source>%1 is sending you a file</source>
        <translation>%1 le está enviando un archivo</translation>
    </message>
    <message>
        <source>Would you like to view %1&apos;s desktop share?</source>
        <translation>¿Desea ver el escritorio que comparte %1?</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Rechazar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
</context>
<context>
    <name>QDeclarativeWebView2</name>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>ConnectorList</name>
    <message>
        <source>Vendor Name: %1</source>
        <translation>Proveedor: %1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Descripción: %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
</context>
<context>
    <name>ContactCard</name>
    <message>
        <source>Add to Contact List</source>
        <translation>Agregar a la lista de contactos</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>Editar contacto</translation>
    </message>
    <message>
        <source>Delete Contact</source>
        <translation>Eliminar contacto</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Import Telephone Directory Information to Profile</source>
        <translation>Importar al perfil la información del directorio telefónico</translation>
    </message>
    <message>
        <source>Set as Favorite</source>
        <translation>Marcar como favorito</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Quitar de favoritos</translation>
    </message>
</context>
<context>
    <name>Dialogs::LocationPublish</name>
    <message>
        <source>My Location</source>
        <translation>Mi ubicación</translation>
    </message>
    <message>
        <source>No Time</source>
        <translation>Sin hora</translation>
    </message>
    <message>
        <source>Suggested times</source>
        <translation>Horas sugeridas</translation>
    </message>
    <message>
        <source> (Computer time)</source>
        <translation> (hora del equipo)</translation>
    </message>
    <message>
        <source> (Automatic time)</source>
        <translation> (hora automática)</translation>
    </message>
    <message>
        <source> (Last used)</source>
        <translation> (última usada)</translation>
    </message>
    <message>
        <source>Location to be published: %1  %2</source>
        <translation>Ubicación que se publicará: %1  %2</translation>
    </message>
    <message>
        <source>Use automatic location: %1  %2</source>
        <translation>Usar la ubicación automática: %1  %2</translation>
    </message>
    <message>
        <source>No location was found automatically: type a location or choose a time zone.</source>
        <translation>No se encontró ninguna ubicación automáticamente: escriba una ubicación o elija una zona horaria.</translation>
    </message>
    <message>
        <source>Use automatic location: none found</source>
        <translation>Usar la ubicación automática: no se encontró ninguna</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Hawái</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <source>Pacific Time (US &amp; Canada)</source>
        <translation>Hora del Pacífico (EE. UU. y Canadá)</translation>
    </message>
    <message>
        <source>Mountain Time (US &amp; Canada)</source>
        <translation>Hora de las Montañas Rocosas (EE. UU. y Canadá)</translation>
    </message>
    <message>
        <source>Central Time (US &amp; Canada)</source>
        <translation>Hora central (EE. UU. y Canadá)</translation>
    </message>
    <message>
        <source>Eastern Time (US &amp; Canada)</source>
        <translation>Hora del este (EE. UU. y Canadá)</translation>
    </message>
    <message>
        <source>Atlantic Time (Canada)</source>
        <translation>Hora del Atlántico (Canadá)</translation>
    </message>
    <message>
        <source>Brasilia</source>
        <translation>Brasilia</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Azores</translation>
    </message>
    <message>
        <source>Dublin, Edinburgh, Lisbon, London</source>
        <translation>Dublín, Edimburgo, Lisboa, Londres</translation>
    </message>
    <message>
        <source>Amsterdam, Berlin, Madrid, Paris, Rome</source>
        <translation>Ámsterdam, Berlín, Madrid, París, Roma</translation>
    </message>
    <message>
        <source>Athens, Helsinki, Kyiv</source>
        <translation>Atenas, Helsinki, Kiev</translation>
    </message>
    <message>
        <source>Moscow, Istanbul</source>
        <translation>Moscú, Estambul</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>Dubái</translation>
    </message>
    <message>
        <source>Karachi</source>
        <translation>Karachi</translation>
    </message>
    <message>
        <source>Mumbai, New Delhi</source>
        <translation>Bombay, Nueva Delhi</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translation>Daca</translation>
    </message>
    <message>
        <source>Bangkok, Jakarta</source>
        <translation>Bangkok, Yakarta</translation>
    </message>
    <message>
        <source>Beijing, Singapore</source>
        <translation>Pekín, Singapur</translation>
    </message>
    <message>
        <source>Tokyo, Seoul</source>
        <translation>Tokio, Seúl</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>Sídney</translation>
    </message>
    <message>
        <source>Auckland</source>
        <translation>Auckland</translation>
    </message>
</context>
<context>
    <name>LocationPublishDialog</name>
    <message>
        <source>Your location is automatically determined when a location change is detected. You can choose to publish the automatically determined location or manually set the location description and time zone.</source>
        <translation>Su ubicación se determina automáticamente cuando se detecta un cambio de ubicación. Puede publicar la ubicación determinada automáticamente o indicar a mano la descripción de la ubicación y la zona horaria.</translation>
    </message>
    <message>
        <source>Use manual location</source>
        <translation>Usar ubicación manual</translation>
    </message>
    <message>
        <source>Set Location</source>
        <translation>Indicar ubicación</translation>
    </message>
    <message>
        <source>Always ask before publishing new location information</source>
        <translation>Preguntar siempre antes de publicar una nueva ubicación</translation>
    </message>
    <message>
        <source>Publish Location</source>
        <translation>Publicar ubicación</translation>
    </message>
    <message>
        <source>No Location</source>
        <translation>Sin ubicación</translation>
    </message>
</context>
<context>
    <name>Dialogs::MessageWindow</name>
    <message>
        <source>Never ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar valores predeterminados</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Guardar todo</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Sí a todo</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>No a todo</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
</context>
<context>
    <name>Dialogs::PasswordChangeNotification</name>
    <message>
        <source>Password change notification</source>
        <translation>Aviso de cambio de contraseña</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Sending request, please wait...</source>
        <translation>Enviando la solicitud, espere...</translation>
    </message>
    <message>
        <source>The password could not be changed.</source>
        <translation type="vanished">No se pudo cambiar la contraseña.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Please input your new password</source>
        <translation>Introduzca su contraseña nueva</translation>
    </message>
    <message>
        <source>The password has been changed successfully</source>
        <translation>La contraseña se ha cambiado correctamente</translation>
    </message>
    <message>
        <source>Cannot change password:</source>
        <translation>No se puede cambiar la contraseña:</translation>
    </message>
    <message>
        <source>Error Code:</source>
        <translation>Código de error:</translation>
    </message>
</context>
<context>
    <name>passwordChange</name>
    <message>
        <source>Old Password</source>
        <translation>Contraseña anterior</translation>
    </message>
    <message>
        <source>(Check Password)</source>
        <translation>(Compruebe la contraseña)</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Contraseña nueva</translation>
    </message>
    <message>
        <source>Retype New Password</source>
        <translation>Repita la contraseña nueva</translation>
    </message>
</context>
<context>
    <name>Dialogs::PreferencesWindow</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
</context>
<context>
    <name>Dialogs::SettingsEditor</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Your settings could not be saved (%1). Make room or fix the problem, then press OK again.</source>
        <translation>No se pudo guardar su configuración (%1). Libere espacio o corrija el problema y vuelva a pulsar Aceptar.</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>No guardado</translation>
    </message>
</context>
<context>
    <name>Dialogs::SimpleCredentialsDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FtNotification</name>
    <message>
        <source>Click to accept</source>
        <translation>Haga clic para aceptar</translation>
    </message>
</context>
<context>
    <name>LoginWindow</name>
    <message>
        <source>Window menu</source>
        <translation>Menú de la ventana</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Enter your username</source>
        <translation>Introduzca su nombre de usuario</translation>
    </message>
    <message>
        <source>Enter your password</source>
        <translation>Introduzca su contraseña</translation>
    </message>
    <message>
        <source>Fetching Proxy Settings...</source>
        <translation>Obteniendo la configuración del proxy...</translation>
    </message>
    <message>
        <source>Signing In...</source>
        <translation>Iniciando sesión...</translation>
    </message>
    <message>
        <source>Signing Out...</source>
        <translation>Cerrando sesión...</translation>
    </message>
    <message>
        <source>Enter login URL to access client</source>
        <translation>Introduzca la URL de inicio de sesión para acceder al cliente</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Recordar contraseña</translation>
    </message>
    <message>
        <source>Sign in automatically</source>
        <translation>Iniciar sesión automáticamente</translation>
    </message>
    <message>
        <source>Signing Out</source>
        <translation>Cerrando sesión</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>¿Olvidó su contraseña?</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Available</source>
        <translation type="vanished">Disponible</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Search contacts</source>
        <translation type="vanished">Buscar contactos</translation>
    </message>
    <message>
        <source>No matching contacts</source>
        <translation type="vanished">Ningún contacto coincide</translation>
    </message>
    <message>
        <source>No contacts yet</source>
        <translation type="vanished">Todavía no tiene contactos</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s)</source>
        <translation type="vanished">
            <numerusform>%n contacto</numerusform>
            <numerusform>%n contactos</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation type="vanished">Cerrar sesión</translation>
    </message>
    <message>
        <source>All</source>
        <translation type="vanished">Todos</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Llamar</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation type="vanished">Llamadas</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Video Call</source>
        <translation>Videollamada</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="vanished">Contactos</translation>
    </message>
    <message>
        <source>Dial Pad</source>
        <translation type="vanished">Teclado de marcación</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="vanished">Favoritos</translation>
    </message>
    <message>
        <source>History</source>
        <translation type="vanished">Historial</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Missed %1</source>
        <translation type="vanished">Perdidas %1</translation>
    </message>
    <message>
        <source>No history</source>
        <translation type="vanished">Sin historial</translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="vanished">Número</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Other Contacts</source>
        <translation type="vanished">Otros contactos</translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation type="vanished">Salas</translation>
    </message>
    <message>
        <source>Search or dial</source>
        <translation>Buscar o marcar</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation type="vanished">Perdida</translation>
    </message>
    <message>
        <source>(first %1 shown, more exist)</source>
        <translation>(se muestran los primeros %1; hay más)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 encontrados</translation>
    </message>
    <message>
        <source>%1 of %2 online</source>
        <translation>%1 de %2 conectados</translation>
    </message>
    <message>
        <source>My Room</source>
        <translation type="vanished">Mi sala</translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="vanished">Abrir</translation>
    </message>
    <message>
        <source>Click to join</source>
        <translation type="vanished">Haga clic para unirse</translation>
    </message>
    <message>
        <source>Failed to load banner, click here to refresh</source>
        <translation>No se pudo cargar el banner; haga clic aquí para actualizarlo</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="vanished">Silenciar</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="vanished">Volumen</translation>
    </message>
</context>
<context>
    <name>ContactsView</name>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>No matching contacts</source>
        <translation>Ningún contacto coincide</translation>
    </message>
    <message>
        <source>No contacts yet</source>
        <translation>Todavía no tiene contactos</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>Llamar a %1</translation>
    </message>
</context>
<context>
    <name>ContactRow</name>
    <message>
        <source>Presence unavailable</source>
        <translation>Presencia no disponible</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Other Contacts</source>
        <translation>Otros contactos</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>(first %1 shown, more exist)</source>
        <translation>(se muestran los primeros %1; hay más)</translation>
    </message>
</context>
<context>
    <name>RoomsView</name>
    <message>
        <source>Rooms</source>
        <translation>Salas</translation>
    </message>
    <message>
        <source>My Room</source>
        <translation>Mi sala</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Click to join</source>
        <translation>Haga clic para unirse</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Missed %1</source>
        <translation>Perdidas %1</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Llamadas</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Perdida</translation>
    </message>
    <message>
        <source>No history</source>
        <translation>Sin historial</translation>
    </message>
    <message>
        <source>Voice Mail</source>
        <translation>Buzón de voz</translation>
    </message>
    <message numerus="yes">
        <source>Voice Mail (%n new)</source>
        <translation>
            <numerusform>Buzón de voz (%n nuevo)</numerusform>
            <numerusform>Buzón de voz (%n nuevos)</numerusform>
        </translation>
    </message>
    <message>
        <source>Calls the voice mail</source>
        <translation>Llama al buzón de voz</translation>
    </message>
    <message>
        <source>Outgoing call</source>
        <translation>Llamada saliente</translation>
    </message>
    <message>
        <source>Missed call</source>
        <translation>Llamada perdida</translation>
    </message>
    <message>
        <source>Incoming call</source>
        <translation>Llamada entrante</translation>
    </message>
    <message>
        <source>My Room</source>
        <translation>Mi sala</translation>
    </message>
    <message>
        <source>%1&apos;s Room</source>
        <translation>Sala de %1</translation>
    </message>
</context>
<context>
    <name>DialPad</name>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Llamar</translation>
    </message>
</context>
<context>
    <name>MediaEngineConfigurator</name>
    <message>
        <source>My Recording Files</source>
        <translation>Mis grabaciones</translation>
    </message>
</context>
<context>
    <name>Models::RingerModel</name>
    <message>
        <source>Select other...</source>
        <translation>Seleccionar otro...</translation>
    </message>
    <message>
        <source>Use default ring signal</source>
        <translation>Usar el tono de llamada predeterminado</translation>
    </message>
</context>
<context>
    <name>Preferences::AudioHandler</name>
    <message>
        <source>Use Default</source>
        <translation>Usar predeterminado</translation>
    </message>
    <message>
        <source>Use Output Device</source>
        <translation>Usar dispositivo de salida</translation>
    </message>
</context>
<context>
    <name>Preferences::ConfirmationsHandler</name>
    <message>
        <source>Use PC Client as default ringing device</source>
        <translation>Usar el cliente de PC como dispositivo de timbre predeterminado</translation>
    </message>
    <message>
        <source>Use Mobile as default ringing device</source>
        <translation>Usar el móvil como dispositivo de timbre predeterminado</translation>
    </message>
    <message>
        <source>Use Deskphone as default ringing device</source>
        <translation>Usar el teléfono de escritorio como dispositivo de timbre predeterminado</translation>
    </message>
    <message>
        <source>Ring all devices</source>
        <translation>Hacer sonar todos los dispositivos</translation>
    </message>
</context>
<context>
    <name>Preferences::CredentialsHandler</name>
    <message>
        <source>The credentials below are downloaded from the network, they cannot be modified here.</source>
        <translation>Las credenciales siguientes se descargan de la red; no se pueden modificar aquí.</translation>
    </message>
    <message>
        <source> Web Collaboration credentials can be edited above.</source>
        <translation> Las credenciales de colaboración web se pueden editar arriba.</translation>
    </message>
    <message>
        <source>Remove Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>Primary account removal will lead to removal of all accounts. Do you want to proceed?</source>
        <translation>Eliminar la cuenta principal eliminará todas las cuentas. ¿Desea continuar?</translation>
    </message>
</context>
<context>
    <name>Preferences::SoundsHandler</name>
    <message>
        <source>Soft</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Brillante</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>No audio device: the sound cannot be played.</source>
        <translation>Sin dispositivo de audio: el sonido no se puede reproducir.</translation>
    </message>
    <message>
        <source>Select other...</source>
        <translation>Seleccionar otro...</translation>
    </message>
    <message>
        <source>Standard ring signal</source>
        <translation>Tono de llamada estándar</translation>
    </message>
    <message>
        <source>Open Sound File</source>
        <translation>Abrir archivo de sonido</translation>
    </message>
    <message>
        <source>Sound files (*.wav)</source>
        <translation>Archivos de sonido (*.wav)</translation>
    </message>
    <message>
        <source>Ring Signal</source>
        <translation>Tono de llamada</translation>
    </message>
    <message>
        <source>The file %1 cannot be played. Please choose a sound file in WAV format.</source>
        <translation>El archivo %1 no se puede reproducir. Elija un archivo de sonido en formato WAV.</translation>
    </message>
</context>
<context>
    <name>Preferences::Widgets::CredentialWidget</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>To be able to enter new credentials, you&apos;ll have to logout and login anew.</source>
        <translation>Para poder introducir credenciales nuevas, debe cerrar sesión y volver a iniciarla.</translation>
    </message>
    <message>
        <source>Corporate Directory (LDAP)</source>
        <translation>Directorio corporativo (LDAP)</translation>
    </message>
    <message>
        <source>Web Collaboration</source>
        <translation>Colaboración web</translation>
    </message>
    <message>
        <source>%1 username</source>
        <translation>Nombre de usuario de %1</translation>
    </message>
    <message>
        <source>%1 password</source>
        <translation>Contraseña de %1</translation>
    </message>
</context>
<context>
    <name>PresenceRequestDialog</name>
    <message>
        <source>The following users want to share presence information with you:</source>
        <translation>Los siguientes usuarios quieren compartir con usted su información de presencia:</translation>
    </message>
    <message>
        <source>The following user wants to share presence information with you:</source>
        <translation>El siguiente usuario quiere compartir con usted su información de presencia:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
</context>
<context>
    <name>Providers::Factory</name>
    <message>
        <source>Confirm Deletion</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1 from your contact list?</source>
        <translation>¿Seguro que desea quitar a %1 de su lista de contactos?</translation>
    </message>
    <message>
        <source>Failed to add contacts to the communication. You cannot add more than %1 contacts to your group communication. Check your selection and try again.</source>
        <translation>No se pudieron agregar los contactos a la comunicación. No puede agregar más de %1 contactos a su comunicación de grupo. Revise la selección e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Failed to add contacts to the communication. You cannot add any more contacts to your group communication.</source>
        <translation>No se pudieron agregar los contactos a la comunicación. No puede agregar más contactos a su comunicación de grupo.</translation>
    </message>
    <message>
        <source>Initiating group communication failed. You cannot select more than %1 contacts to start a group communication with. Check your selection and try again.</source>
        <translation>No se pudo iniciar la comunicación de grupo. No puede seleccionar más de %1 contactos para iniciar una comunicación de grupo. Revise la selección e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1 group from your list?</source>
        <translation>¿Seguro que desea quitar el grupo %1 de su lista?</translation>
    </message>
    <message>
        <source>Confirm Share</source>
        <translation>Confirmar uso compartido</translation>
    </message>
    <message>
        <source>If you have Outlook installed on your computer, you can allow the client to search your Outlook contacts and observe calendar events. To do this you need to allow %1 to access the information in Outlook.

You can change these settings later through Preferences in the General tab.
Allow? </source>
        <translation>Si tiene Outlook instalado en su equipo, puede permitir que el cliente busque en sus contactos de Outlook y consulte los eventos del calendario. Para ello, debe permitir que %1 acceda a la información de Outlook.

Puede cambiar esta configuración más adelante en Preferencias, en la pestaña General.
¿Permitir? </translation>
    </message>
    <message>
        <source>Microsoft Outlook was detected in your system. %1 can include Outlook address book in your contacts search and update your availability based on your Outlook calendar entries.

Please note that you may be asked for additional permissions from Outlook if you proceed. These features can be enabled or disabled later in application preferences.
Do you want to enable these features? </source>
        <translation>Se ha detectado Microsoft Outlook en su sistema. %1 puede incluir la libreta de direcciones de Outlook en la búsqueda de contactos y actualizar su disponibilidad según las entradas del calendario de Outlook.

Tenga en cuenta que, si continúa, es posible que Outlook le solicite permisos adicionales. Estas funciones se pueden activar o desactivar más adelante en las preferencias de la aplicación.
¿Desea activar estas funciones? </translation>
    </message>
    <message>
        <source>Outlook detected</source>
        <translation>Outlook detectado</translation>
    </message>
    <message>
        <source>Outlook integration</source>
        <translation>Integración con Outlook</translation>
    </message>
    <message>
        <source>Starting a share will end ongoing share. Continue?</source>
        <translation>Al iniciar un uso compartido finalizará el uso compartido en curso. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>You have selected to start multiple shares. By selecting Yes you will stream your desktop in multiple communications. Note that ending one sharing session will not end all sharing session. Each session needs to be closed individually.</source>
        <translation>Ha elegido iniciar varios usos compartidos. Si selecciona Sí, transmitirá su escritorio en varias comunicaciones. Tenga en cuenta que finalizar una sesión de uso compartido no finaliza todas las sesiones. Cada sesión debe cerrarse por separado.</translation>
    </message>
</context>
<context>
    <name>Providers::MenuActionProvider</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferencias...</translation>
    </message>
    <message>
        <source>Call Settings...</source>
        <translation>Configuración de llamadas...</translation>
    </message>
    <message>
        <source>Open Application</source>
        <translation>Abrir la aplicación</translation>
    </message>
    <message>
        <source>Add Contact</source>
        <translation>Agregar contacto</translation>
    </message>
    <message>
        <source>With %1</source>
        <translation>Con %1</translation>
    </message>
    <message>
        <source>Retrieve Parked Call</source>
        <translation>Recuperar llamada aparcada</translation>
    </message>
    <message>
        <source>With Phone</source>
        <translation>Con el teléfono</translation>
    </message>
    <message>
        <source>Pull Call</source>
        <translation>Traer la llamada aquí</translation>
    </message>
    <message>
        <source>Sort by First Name</source>
        <translation>Ordenar por nombre</translation>
    </message>
    <message>
        <source>Sort by Last Name</source>
        <translation>Ordenar por apellido</translation>
    </message>
    <message>
        <source>Show Offline Contacts</source>
        <translation>Mostrar contactos desconectados</translation>
    </message>
    <message>
        <source>Show Favorites Group</source>
        <translation>Mostrar el grupo Favoritos</translation>
    </message>
    <message>
        <source>Show Profile Photos</source>
        <translation>Mostrar fotos de perfil</translation>
    </message>
    <message>
        <source>Show Status</source>
        <translation>Mostrar estado</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Siempre visible</translation>
    </message>
    <message>
        <source>Test Call</source>
        <translation>Llamada de prueba</translation>
    </message>
    <message>
        <source>Sort Contacts</source>
        <translation>Ordenar contactos</translation>
    </message>
</context>
<context>
    <name>Providers::MenuActionProviderWin</name>
    <message>
        <source>Retrieve Parked Call</source>
        <translation>Recuperar llamada aparcada</translation>
    </message>
    <message>
        <source>Sort Contacts</source>
        <translation>Ordenar contactos</translation>
    </message>
</context>
<context>
    <name>QML::About</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
</context>
<context>
    <name>QML::CallSettings</name>
    <message>
        <source>Call Settings</source>
        <translation>Configuración de llamadas</translation>
    </message>
    <message>
        <source>Graniteway Anywhere</source>
        <translation>Graniteway Anywhere</translation>
    </message>
    <message>
        <source>Graniteway Remote Office</source>
        <translation>Oficina remota Graniteway</translation>
    </message>
    <message>
        <source>Forward Calls</source>
        <translation>Desviar llamadas</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>No molestar</translation>
    </message>
    <message>
        <source>Hide Number</source>
        <translation>Ocultar número</translation>
    </message>
    <message>
        <source>Simultaneous Ring Personal</source>
        <translation>Llamada simultánea personal</translation>
    </message>
    <message>
        <source>Error Code:</source>
        <translation>Código de error:</translation>
    </message>
    <message>
        <source>Connection Refused</source>
        <translation>Conexión rechazada</translation>
    </message>
    <message>
        <source>Host Not Found</source>
        <translation>Servidor no encontrado</translation>
    </message>
    <message>
        <source>Timeout Error</source>
        <translation>Tiempo de espera agotado</translation>
    </message>
    <message>
        <source>Operation Canceled</source>
        <translation>Operación cancelada</translation>
    </message>
    <message>
        <source>Authentication Required</source>
        <translation>Autenticación requerida</translation>
    </message>
    <message>
        <source>Unknown Error %1</source>
        <translation>Error desconocido %1</translation>
    </message>
</context>
<context>
    <name>QML::ConnectorNotification</name>
    <message>
        <source>New Add-ins</source>
        <translation>Complementos nuevos</translation>
    </message>
</context>
<context>
    <name>QML::ContactCard</name>
    <message>
        <source>Add Contact</source>
        <translation>Agregar contacto</translation>
    </message>
    <message>
        <source>Add Conference Contact</source>
        <translation>Agregar contacto de conferencia</translation>
    </message>
    <message>
        <source>Error Adding Contact</source>
        <translation>Error al agregar el contacto</translation>
    </message>
    <message>
        <source>A contact in your contact list with the same IM Address has been found (%1). Please enter a different IM Address to add a new contact.</source>
        <translation>Ya hay un contacto en su lista con la misma dirección de MI (%1). Escriba otra dirección de MI para agregar un contacto nuevo.</translation>
    </message>
    <message>
        <source>The contact could not be added.</source>
        <translation>No se pudo agregar el contacto.</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1 from your contact list?</source>
        <translation>¿Seguro que desea quitar a %1 de su lista de contactos?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>Close the card and discard your changes to this contact?</source>
        <translation>¿Cerrar la ficha y descartar los cambios de este contacto?</translation>
    </message>
    <message>
        <source>Multiple Matches Found</source>
        <translation>Se encontraron varias coincidencias</translation>
    </message>
    <message>
        <source>Multiple matching contacts were found in Telephone Directory. To make sure you import the correct information, please search the directory by name and add a contact from the search results.</source>
        <translation>Se encontraron varios contactos coincidentes en el directorio telefónico. Para asegurarse de importar la información correcta, busque en el directorio por nombre y agregue un contacto desde los resultados de la búsqueda.</translation>
    </message>
    <message>
        <source>Match Found</source>
        <translation>Coincidencia encontrada</translation>
    </message>
    <message>
        <source>A matching contact with the same IM Address was found in Telephone Directory. Do you want to overwrite this contact&apos;s information with the information of %1 %2 from Telephone Directory?</source>
        <translation>Se encontró en el directorio telefónico un contacto con la misma dirección de MI. ¿Desea sobrescribir la información de este contacto con la de %1 %2 del directorio telefónico?</translation>
    </message>
    <message>
        <source>A matching contact with the same contact information was found in Telephone Directory. Do you want to overwrite this contact&apos;s information with the information of %1 %2 from Telephone Directory?</source>
        <translation>Se encontró en el directorio telefónico un contacto con la misma información de contacto. ¿Desea sobrescribir la información de este contacto con la de %1 %2 del directorio telefónico?</translation>
    </message>
    <message>
        <source>Import Information</source>
        <translation>Importar información</translation>
    </message>
    <message>
        <source>Do you want to overwrite this contact&apos;s information with the information from Telephone Directory?</source>
        <translation>¿Desea sobrescribir la información de este contacto con la del directorio telefónico?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
</context>
<context>
    <name>QML::LoginWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Your account and sign-in options could not be saved (%1). Signing in goes on, but they will not be remembered next time.</source>
        <translation>No se pudieron guardar su cuenta ni sus opciones de inicio de sesión (%1). El inicio de sesión continúa, pero no se recordarán la próxima vez.</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>No guardado</translation>
    </message>
</context>
<context>
    <name>QML::PresenceRequestDialog</name>
    <message>
        <source>Presence Request</source>
        <translation>Solicitud de presencia</translation>
    </message>
</context>
<context>
    <name>QML::QmlHelper</name>
    <message>
        <source>All Contacts</source>
        <translation>Todos los contactos</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>Date and time</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>QML::QmlSecurityClassMenu</name>
    <message>
        <source>(Current Call)</source>
        <translation>(Llamada actual)</translation>
    </message>
</context>
<context>
    <name>QML::StyleView</name>
    <message>
        <source>Style files (*.csv)</source>
        <translation type="vanished">Archivos de estilo (*.csv)</translation>
    </message>
    <message>
        <source>The style file &quot;%1&quot; could not be read.</source>
        <translation>No se pudo leer el archivo de estilo «%1».</translation>
    </message>
    <message>
        <source>The style file &quot;%1&quot; could not be written.</source>
        <translation>No se pudo escribir el archivo de estilo «%1».</translation>
    </message>
    <message>
        <source>Style view</source>
        <translation>Vista de estilo</translation>
    </message>
</context>
<context>
    <name>StyleView</name>
    <message>
        <source>Invert all</source>
        <translation>Invertir todo</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Valores predeterminados</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
</context>
<context>
    <name>Utils::ActionsHelper</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Add Chat</source>
        <translation>Agregar chat</translation>
    </message>
    <message>
        <source>End Chat</source>
        <translation>Finalizar chat</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Llamar</translation>
    </message>
    <message>
        <source>Add Call</source>
        <translation>Agregar llamada</translation>
    </message>
    <message>
        <source>End Call</source>
        <translation>Finalizar llamada</translation>
    </message>
    <message>
        <source>Call from Phone</source>
        <translation>Llamar desde el teléfono</translation>
    </message>
    <message>
        <source>Video Call</source>
        <translation>Videollamada</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Agregar vídeo</translation>
    </message>
    <message>
        <source>Remove Video</source>
        <translation>Quitar vídeo</translation>
    </message>
    <message>
        <source>Share Desktop</source>
        <translation>Compartir escritorio</translation>
    </message>
    <message>
        <source>Stop Share Desktop</source>
        <translation>Dejar de compartir escritorio</translation>
    </message>
    <message>
        <source>Join Room</source>
        <translation>Unirse a la sala</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Set as Favorite</source>
        <translation>Marcar como favorito</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Quitar de favoritos</translation>
    </message>
    <message>
        <source>View Profile</source>
        <translation>Ver perfil</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>Add Contact</source>
        <translation>Agregar contacto</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Suscribirse</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Cancelar suscripción</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>End All Calls</source>
        <translation>Finalizar todas las llamadas</translation>
    </message>
    <message>
        <source>End Chats</source>
        <translation>Finalizar chats</translation>
    </message>
    <message>
        <source>Conference</source>
        <translation>Conferencia</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Extensión</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move First</source>
        <translation>Mover al principio</translation>
    </message>
    <message>
        <source>Move Last</source>
        <translation>Mover al final</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
</context>
<context>
    <name>Utils::ExternalServiceVerification</name>
    <message>
        <source>Address Verification</source>
        <translation>Verificación de la dirección</translation>
    </message>
    <message>
        <source>Do you need to update your address?</source>
        <translation>¿Necesita actualizar su dirección?</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Esperando...</translation>
    </message>
    <message>
        <source>After your address has been updated you will be able to proceed.</source>
        <translation>Podrá continuar cuando se haya actualizado su dirección.</translation>
    </message>
</context>
<context>
    <name>Utils::PresenceHelper</name>
    <message>
        <source>Availability</source>
        <translation>Disponibilidad</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>Deskphone</source>
        <translation>Teléfono de escritorio</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Ocupado</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>En una reunión</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>En una llamada</translation>
    </message>
</context>
<context>
    <name>Utils::Sounds::TemporaryFilePlayer</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Failed to Start Sound Player</source>
        <translation>No se pudo iniciar el reproductor de sonido</translation>
    </message>
    <message>
        <source>Ringer</source>
        <translation>Timbre</translation>
    </message>
    <message>
        <source>Calling Tone</source>
        <translation>Tono de llamada</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>Utils::StringHelper</name>
    <message>
        <source>Communication Forwarding Unconditional</source>
        <translation>Desvío incondicional de comunicaciones</translation>
    </message>
    <message>
        <source>Communication Forwarding on not Logged in</source>
        <translation>Desvío de comunicaciones sin sesión iniciada</translation>
    </message>
    <message>
        <source>Communication Forwarding on Busy</source>
        <translation>Desvío de comunicaciones si está ocupado</translation>
    </message>
    <message>
        <source>Communication Forwarding on not Reachable</source>
        <translation>Desvío de comunicaciones si no está localizable</translation>
    </message>
    <message>
        <source>Communication Forwarding on No Reply</source>
        <translation>Desvío de comunicaciones si no contesta</translation>
    </message>
    <message>
        <source>Originating Identification Presentation</source>
        <translation>Presentación de la identidad del llamante</translation>
    </message>
    <message>
        <source>Originating Identification Restriction</source>
        <translation>Restricción de la identidad del llamante</translation>
    </message>
    <message>
        <source>Terminating Identification Presentation</source>
        <translation>Presentación de la identidad del destinatario</translation>
    </message>
    <message>
        <source>Terminating Identification Restriction</source>
        <translation>Restricción de la identidad del destinatario</translation>
    </message>
    <message>
        <source>Barring of All Incoming Calls</source>
        <translation>Bloqueo de todas las llamadas entrantes</translation>
    </message>
    <message>
        <source>Barring of Incoming Calls - When Roaming</source>
        <translation>Bloqueo de llamadas entrantes - En itinerancia</translation>
    </message>
    <message>
        <source>Barring of All Outgoing Calls</source>
        <translation>Bloqueo de todas las llamadas salientes</translation>
    </message>
    <message>
        <source>Barring of Outgoing International Calls</source>
        <translation>Bloqueo de llamadas internacionales salientes</translation>
    </message>
    <message>
        <source>Barring of Outgoing International Calls %1 ex Home Country</source>
        <translation>Bloqueo de llamadas internacionales salientes %1 excepto al país de origen</translation>
    </message>
    <message>
        <source>Communication Waiting</source>
        <translation>Comunicación en espera</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>No molestar</translation>
    </message>
    <message>
        <source>Graniteway Remote Office</source>
        <translation>Oficina remota Graniteway</translation>
    </message>
    <message>
        <source>Unknown service</source>
        <translation>Servicio desconocido</translation>
    </message>
    <message>
        <source>SIP</source>
        <translation>SIP</translation>
    </message>
    <message>
        <source>XMPP</source>
        <translation>XMPP</translation>
    </message>
    <message>
        <source>Kelvantic (Xsi)</source>
        <translation>Kelvantic (Xsi)</translation>
    </message>
    <message>
        <source>Unknown credentials type</source>
        <translation>Tipo de credenciales desconocido</translation>
    </message>
    <message>
        <source>Please set your credentials</source>
        <translation>Configure sus credenciales</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Error de autenticación</translation>
    </message>
    <message>
        <source>Network error</source>
        <translation>Error de red</translation>
    </message>
    <message>
        <source>Client encountered an error when trying to add participant. Maximum active call count reached.</source>
        <translation>El cliente encontró un error al intentar agregar al participante. Se alcanzó el número máximo de llamadas activas.</translation>
    </message>
    <message>
        <source>Client encountered an error when trying locate participant. Call/Participant not found.</source>
        <translation>El cliente encontró un error al intentar localizar al participante. No se encontró la llamada o el participante.</translation>
    </message>
    <message>
        <source>Client encountered an error when trying to add participant. Maximum participant count reached.</source>
        <translation>El cliente encontró un error al intentar agregar al participante. Se alcanzó el número máximo de participantes.</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>HD</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>Error starting share. ( %1 )</source>
        <translation>Error al comenzar el uso compartido. ( %1 )</translation>
    </message>
    <message>
        <source>You are already in the share. Please log out from your other clients. ( %1 )</source>
        <translation>Ya participa en el uso compartido. Cierre la sesión en sus otros clientes. ( %1 )</translation>
    </message>
    <message>
        <source>Error joining share. ( %1 )</source>
        <translation>Error al unirse al uso compartido. ( %1 )</translation>
    </message>
    <message>
        <source>Error initiating share. ( %1 )</source>
        <translation>Error al iniciar el uso compartido. ( %1 )</translation>
    </message>
</context>
<context>
    <name>Utils::TextFieldActionsHandler</name>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>WebcollabNotification</name>
    <message>
        <source>Would you like to view %1&apos;s desktop share?</source>
        <translation>¿Desea ver el escritorio que comparte %1?</translation>
    </message>
    <message>
        <source>%1 has invited you to a desktop share. Unfortunately we can&apos;t find a share component in your client or your versions are incompatible. Please contact your service provider for more information.</source>
        <translation>%1 le ha invitado a ver su escritorio compartido. Lamentablemente, no se encuentra el componente de uso compartido en su cliente o las versiones no son compatibles. Póngase en contacto con su proveedor de servicios para obtener más información.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>ContactMouseOver</name>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Moderator</source>
        <translation>Moderador</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Miembro</translation>
    </message>
</context>
<context>
    <name>WebcollabSharingNotification</name>
    <message>
        <source>You are now sharing your desktop. Stop the sharing from the communications window.</source>
        <translation>Está compartiendo su escritorio. Puede dejar de compartirlo desde la ventana de comunicaciones.</translation>
    </message>
</context>
<context>
    <name>Widgets::Conference::XmppPasswordDialog</name>
    <message>
        <source>Group Chat</source>
        <translation>Chat de grupo</translation>
    </message>
    <message>
        <source>A password is required to enter this room</source>
        <translation>Se necesita una contraseña para entrar en esta sala</translation>
    </message>
    <message>
        <source>Incorrect password</source>
        <translation>Contraseña incorrecta</translation>
    </message>
</context>
<context>
    <name>Widgets::GroupNameInput</name>
    <message>
        <source>Add Group</source>
        <translation>Agregar grupo</translation>
    </message>
    <message>
        <source>Enter a group name</source>
        <translation>Introduzca un nombre de grupo</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Editar grupo</translation>
    </message>
    <message>
        <source>Edit group name</source>
        <translation>Editar el nombre del grupo</translation>
    </message>
</context>
<context>
    <name>Widgets::PreferencesWidget</name>
    <message>
        <source>Allow 3rd party applications to access %1</source>
        <translation>Permitir que aplicaciones de terceros accedan a %1</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
</context>
<context>
    <name>Widgets::Window</name>
    <message>
        <source>Give Me a Name</source>
        <translation>Póngame un nombre</translation>
    </message>
</context>
<context>
    <name>ZBusyIndicator</name>
    <message>
        <source>Busy</source>
        <translation>Procesando</translation>
    </message>
</context>
<context>
    <name>ZVolume</name>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
</context>
<context>
    <name>credentialWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Remove account</source>
        <translation>Eliminar cuenta</translation>
    </message>
</context>
<context>
    <name>credentialsDialog</name>
    <message>
        <source>Username</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
</context>
<context>
    <name>preferencesForm</name>
    <message>
        <source>Sign In</source>
        <translation>Inicio de sesión</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation type="vanished">Inicio de sesión</translation>
    </message>
    <message>
        <source>Sign in automatically</source>
        <translation>Iniciar sesión automáticamente</translation>
    </message>
    <message>
        <source>Run this program when the system starts</source>
        <translation>Ejecutar este programa al iniciar el sistema</translation>
    </message>
    <message>
        <source>Confirmations</source>
        <translation>Confirmaciones</translation>
    </message>
    <message>
        <source>Ask before removing contact</source>
        <translation>Preguntar antes de eliminar un contacto</translation>
    </message>
    <message>
        <source>Ask before removing history record</source>
        <translation>Preguntar antes de eliminar una entrada del historial</translation>
    </message>
    <message>
        <source>Ask before deleting project room</source>
        <translation>Preguntar antes de eliminar una sala de proyecto</translation>
    </message>
    <message>
        <source>Ask before publishing location information</source>
        <translation>Preguntar antes de publicar la información de ubicación</translation>
    </message>
    <message>
        <source>Enable click-to-call </source>
        <translation>Activar hacer clic para llamar </translation>
    </message>
    <message>
        <source>Use &lt;Device&gt; as default ring device</source>
        <translation>Usar &lt;Dispositivo&gt; como dispositivo de timbre predeterminado</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Enable Corporate Directory (LDAP) contacts search</source>
        <translation>Activar la búsqueda de contactos en el directorio corporativo (LDAP)</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Enable basic logging</source>
        <translation>Activar el registro básico</translation>
    </message>
    <message>
        <source>Enable advanced logging</source>
        <translation>Activar el registro avanzado</translation>
    </message>
    <message>
        <source>Clear All Logs</source>
        <translation>Borrar todos los registros</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Voice Playback</source>
        <translation>Reproducción de voz</translation>
    </message>
    <message>
        <source>Output Device:</source>
        <translation>Dispositivo de salida:</translation>
    </message>
    <message>
        <source>Voice Recording</source>
        <translation>Grabación de voz</translation>
    </message>
    <message>
        <source>Input Device:</source>
        <translation>Dispositivo de entrada:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Start and stop microphone test</source>
        <translation>Iniciar y detener la prueba del micrófono</translation>
    </message>
    <message>
        <source>Use Automatic Gain Control</source>
        <translation>Usar control automático de ganancia</translation>
    </message>
    <message>
        <source>Alert Signal</source>
        <translation>Señal de aviso</translation>
    </message>
    <message>
        <source>Ringing Device:</source>
        <translation>Dispositivo de timbre:</translation>
    </message>
    <message>
        <source>Use this sound as the default ring signal:</source>
        <translation>Usar este sonido como tono de llamada predeterminado:</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>Re&amp;producir</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Llamada entrante</translation>
    </message>
    <message>
        <source>Incoming Message</source>
        <translation>Mensaje entrante</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Video Capture</source>
        <translation>Captura de vídeo</translation>
    </message>
    <message>
        <source>&amp;Capture Device:</source>
        <translation>Dispositivo de &amp;captura:</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Tamaño del vídeo</translation>
    </message>
    <message>
        <source>Use automatically detected quality profile</source>
        <translation>Usar el perfil de calidad detectado automáticamente</translation>
    </message>
    <message>
        <source>Credentials</source>
        <translation>Credenciales</translation>
    </message>
    <message>
        <source>My Room</source>
        <translation>Mi sala</translation>
    </message>
    <message>
        <source>Dial-in Number</source>
        <translation>Número de acceso</translation>
    </message>
    <message>
        <source>Moderator PIN</source>
        <translation>PIN de moderador</translation>
    </message>
    <message>
        <source>Conference ID</source>
        <translation>ID de conferencia</translation>
    </message>
    <message>
        <source>Security PIN</source>
        <translation>PIN de seguridad</translation>
    </message>
    <message>
        <source>Web Collaboration</source>
        <translation>Colaboración web</translation>
    </message>
    <message>
        <source>Corporate Directory (LDAP)</source>
        <translation>Directorio corporativo (LDAP)</translation>
    </message>
    <message>
        <source>Protocols</source>
        <translation>Protocolos</translation>
    </message>
    <message>
        <source>Device Management</source>
        <translation>Administración de dispositivos</translation>
    </message>
    <message>
        <source>Configuration URL</source>
        <translation>URL de configuración</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Configuración del proxy</translation>
    </message>
    <message>
        <source>Please restart the application after changing the proxy settings below.</source>
        <translation>Reinicie la aplicación después de cambiar la configuración del proxy.</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sin proxy</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Usar la configuración de proxy del sistema</translation>
    </message>
    <message>
        <source>Use client proxy settings</source>
        <translation>Usar la configuración de proxy del cliente</translation>
    </message>
    <message>
        <source>Web Proxy Server</source>
        <translation>Servidor proxy web</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Secure Web Proxy Server</source>
        <translation>Servidor proxy web seguro</translation>
    </message>
    <message>
        <source>Web Proxy Server Port</source>
        <translation>Puerto del servidor proxy web</translation>
    </message>
    <message>
        <source>Secure Web Proxy Server Port</source>
        <translation>Puerto del servidor proxy web seguro</translation>
    </message>
    <message>
        <source>Add-ins</source>
        <translation>Complementos</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>Enable Outlook contacts search</source>
        <translation>Activar la búsqueda de contactos de Outlook</translation>
    </message>
    <message>
        <source>Enable Outlook Calendar</source>
        <translation>Activar el calendario de Outlook</translation>
    </message>
    <message>
        <source>Add-in Settings</source>
        <translation>Configuración de complementos</translation>
    </message>
    <message>
        <source>Allow 3rd party applications to access %1</source>
        <translation>Permitir que aplicaciones de terceros accedan a %1</translation>
    </message>
    <message>
        <source>Do not ask about incoming Add-in connection requests</source>
        <translation>No preguntar por las solicitudes de conexión de complementos</translation>
    </message>
    <message>
        <source>Accept incoming requests by default</source>
        <translation>Aceptar las solicitudes entrantes de forma predeterminada</translation>
    </message>
    <message>
        <source>Reject incoming requests by default</source>
        <translation>Rechazar las solicitudes entrantes de forma predeterminada</translation>
    </message>
    <message>
        <source>Manage Add-ins</source>
        <translation>Administrar complementos</translation>
    </message>
    <message>
        <source>You need to restart your client for any changes made to take effect.</source>
        <translation>Debe reiniciar el cliente para que los cambios surtan efecto.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Authentication failed</source>
        <translation>Error de autenticación</translation>
    </message>
    <message>
        <source>Server Error</source>
        <translation>Error del servidor</translation>
    </message>
    <message>
        <source>Deleting Location</source>
        <translation>Eliminando ubicación</translation>
    </message>
    <message>
        <source>You are about to delete a location.
Are you sure you want to continue?</source>
        <translation>Va a eliminar una ubicación.
¿Seguro que desea continuar?</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Enable to hide number</source>
        <translation>Activar para ocultar el número</translation>
    </message>
    <message>
        <source>If you activate this service all calls will be blocked by the server. You can forward all or some calls if you choose to use other call forwarding services.</source>
        <translation>Si activa este servicio, el servidor bloqueará todas las llamadas. Puede desviar todas o algunas llamadas si usa otros servicios de desvío.</translation>
    </message>
    <message>
        <source>You can hide or display your number when calling/ communicating with other parties or contacts. Enable to hide number and disable to show number.</source>
        <translation>Puede ocultar o mostrar su número al llamar o comunicarse con otras personas o contactos. Actívelo para ocultar el número y desactívelo para mostrarlo.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Popup2Buttons</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ServiceItem</name>
    <message>
        <source>Service update error</source>
        <translation>Error al actualizar el servicio</translation>
    </message>
    <message>
        <source>Service fetch error</source>
        <translation>Error al obtener el servicio</translation>
    </message>
    <message>
        <source>Service is not available for this account</source>
        <translation>El servicio no está disponible para esta cuenta</translation>
    </message>
    <message>
        <source>Fetching service state...</source>
        <translation>Obteniendo el estado del servicio...</translation>
    </message>
    <message>
        <source>Disabled </source>
        <translation>Desactivado </translation>
    </message>
    <message>
        <source>Enabled </source>
        <translation>Activado </translation>
    </message>
    <message>
        <source>to </source>
        <translation>a </translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Enable service</source>
        <translation>Activar servicio</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Número de teléfono</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SimpleServicePage</name>
    <message>
        <source>Service update error</source>
        <translation>Error al actualizar el servicio</translation>
    </message>
    <message>
        <source>Service fetch error</source>
        <translation>Error al obtener el servicio</translation>
    </message>
    <message>
        <source>Service is not available for this account</source>
        <translation>El servicio no está disponible para esta cuenta</translation>
    </message>
    <message>
        <source>Fetching service state...</source>
        <translation>Obteniendo el estado del servicio...</translation>
    </message>
</context>
<context>
    <name>ForwardingPage</name>
    <message>
        <source>Always forward: </source>
        <translation>Desviar siempre: </translation>
    </message>
    <message>
        <source>Forward when busy: </source>
        <translation>Desviar si está ocupado: </translation>
    </message>
    <message>
        <source>Forward when unanswered: </source>
        <translation>Desviar si no contesta: </translation>
    </message>
    <message>
        <source>Forward when unreachable: </source>
        <translation>Desviar si no está localizable: </translation>
    </message>
    <message>
        <source>No forwarding services available for this account</source>
        <translation>No hay servicios de desvío disponibles para esta cuenta</translation>
    </message>
</context>
<context>
    <name>RemoteOfficePage</name>
    <message>
        <source>Service: </source>
        <translation>Servicio: </translation>
    </message>
    <message>
        <source>This service allows you to use your home phone, your cell phone, or even a hotel phone as your business phone. This application allows you to make phone calls from this remote phone and have them billed to your business. This service also directs all calls coming to your business phone number to ring the remote office phone.</source>
        <translation>Este servicio le permite usar el teléfono de casa, el móvil o incluso el teléfono de un hotel como teléfono de trabajo. Puede hacer llamadas desde ese teléfono remoto con cargo a su empresa. Además, todas las llamadas a su número de trabajo suenan en el teléfono de la oficina remota.</translation>
    </message>
</context>
<context>
    <name>AnywherePage</name>
    <message>
        <source>Service update error</source>
        <translation>Error al actualizar el servicio</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Alert all enabled locations for Click-To-Dial</source>
        <translation>Avisar a todas las ubicaciones activas en Click-To-Dial</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Ubicaciones</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activada</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Add New Location</source>
        <translation>Agregar ubicación</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Número de teléfono</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Diversion Inhibitor</source>
        <translation>Inhibidor de desvío</translation>
    </message>
    <message>
        <source>Answer Confirmation</source>
        <translation>Confirmación de respuesta</translation>
    </message>
    <message>
        <source>Call Control</source>
        <translation>Control de llamada</translation>
    </message>
    <message>
        <source>Criteria Active</source>
        <translation>Criterios activos</translation>
    </message>
    <message>
        <source>Delete Location</source>
        <translation>Eliminar ubicación</translation>
    </message>
    <message>
        <source>This service allows users to enable their mobile phones to behave as if the phones were an extension of the telephony exchange. The locations added are the mobile phone numbers for these devices. They can be activated or deactivated and the user can also notify all phones on a Click-To-Dial or just their primary phone</source>
        <translation>Este servicio permite que sus teléfonos móviles se comporten como extensiones de la centralita. Las ubicaciones son los números de esos teléfonos. Se pueden activar o desactivar, y en Click-To-Dial puede avisar a todos los teléfonos o solo al principal</translation>
    </message>
</context>
<context>
    <name>SimRingPage</name>
    <message>
        <source>Service update error</source>
        <translation>Error al actualizar el servicio</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Do not ring my simultaneously ringing numbers if I&apos;m already on a call.</source>
        <translation>No hacer sonar mis números simultáneos si ya estoy en una llamada.</translation>
    </message>
    <message>
        <source>Phone Number / SIP-URI</source>
        <translation>Número de teléfono / URI SIP</translation>
    </message>
    <message>
        <source>Answer confirmation required</source>
        <translation>Confirmación de respuesta obligatoria</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Add Number</source>
        <translation>Agregar número</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>This service allows you to list up to 10 phone numbers or SIP URI addresses you would like to ring in addition to your primary phone when you receive a call. This feature is helpful when you are not at your phone but you would like your cell phone to ring when you get a call. You can also turn this service off at your desk on a call.</source>
        <translation>Este servicio le permite indicar hasta 10 números de teléfono o direcciones URI SIP que sonarán además de su teléfono principal cuando reciba una llamada. Es útil cuando no está junto a su teléfono pero quiere que suene su móvil. También puede desactivarlo cuando esté en una llamada en su puesto.</translation>
    </message>
</context>
<context>
    <name>Utils::CallSettingsInput</name>
    <message>
        <source>&quot;%1&quot; is not a phone number. Enter digits only, optionally starting with +.</source>
        <translation>&quot;%1&quot; no es un número de teléfono. Escriba solo cifras, opcionalmente empezando por +.</translation>
    </message>
    <message>
        <source>Enter the number of your remote office phone to switch the service on.</source>
        <translation>Escriba el número del teléfono de la oficina remota para activar el servicio.</translation>
    </message>
    <message>
        <source>Enter the phone number of the new location.</source>
        <translation>Escriba el número de teléfono de la nueva ubicación.</translation>
    </message>
    <message>
        <source>A location with the number %1 exists already.</source>
        <translation>Ya existe una ubicación con el número %1.</translation>
    </message>
    <message>
        <source>At most %1 numbers can ring at the same time.</source>
        <translation>Como máximo pueden sonar %1 números a la vez.</translation>
    </message>
    <message>
        <source>Enter a phone number or SIP address in every row.</source>
        <translation>Escriba un número de teléfono o una dirección SIP en cada fila.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a phone number nor a SIP address.</source>
        <translation>&quot;%1&quot; no es un número de teléfono ni una dirección SIP.</translation>
    </message>
    <message>
        <source>The number %1 is listed twice.</source>
        <translation>El número %1 aparece dos veces.</translation>
    </message>
</context>
<context>
    <name>Utils::CallSettingsToolbarHelper</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Configure...</source>
        <translation>Configurar...</translation>
    </message>
    <message>
        <source>Remote Office</source>
        <translation>Oficina remota</translation>
    </message>
    <message>
        <source>Call Forward Always</source>
        <translation>Desviar siempre</translation>
    </message>
    <message>
        <source>Call Forward Busy</source>
        <translation>Desviar si ocupado</translation>
    </message>
    <message>
        <source>Call Forward Not Reachable</source>
        <translation>Desviar si no localizable</translation>
    </message>
    <message>
        <source>Call Forward No Answer</source>
        <translation>Desviar si no contesta</translation>
    </message>
</context>
<context>
    <name>CallSettingsToolbar</name>
    <message>
        <source>Call Settings</source>
        <translation>Configuración de llamadas</translation>
    </message>
    <message>
        <source>Graniteway Anywhere</source>
        <translation>Graniteway Anywhere</translation>
    </message>
    <message>
        <source>Remote Office</source>
        <translation>Oficina remota</translation>
    </message>
    <message>
        <source>Simultaneous Ring</source>
        <translation>Llamada simultánea</translation>
    </message>
    <message>
        <source>Call Forwarding</source>
        <translation>Desvío de llamadas</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>No molestar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Display Name</source>
        <translation>Nombre para mostrar</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>Teléfono del trabajo</translation>
    </message>
    <message>
        <source>Work Extension</source>
        <translation>Extensión del trabajo</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Teléfono móvil</translation>
    </message>
    <message>
        <source>Personal Phone</source>
        <translation>Teléfono personal</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>IM Address</source>
        <translation>Dirección de MI</translation>
    </message>
    <message>
        <source>Dial-in Number</source>
        <translation>Número de acceso</translation>
    </message>
    <message>
        <source>Conference ID</source>
        <translation>ID de conferencia</translation>
    </message>
    <message>
        <source>Security PIN</source>
        <translation>PIN de seguridad</translation>
    </message>
    <message>
        <source>Web Address</source>
        <translation>Dirección web</translation>
    </message>
    <message>
        <source>Collaboration Room</source>
        <translation>Sala de colaboración</translation>
    </message>
</context>
<context>
    <name>CallWidget</name>
    <message>
        <source>Complete Transfer</source>
        <translation>Completar transferencia</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Responder</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Rechazar</translation>
    </message>
    <message>
        <source>Dial Pad</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Retener</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Stop Video</source>
        <translation>Detener vídeo</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Activar sonido</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Conference call</source>
        <translation>Llamada de conferencia</translation>
    </message>
</context>
<context>
    <name>ChatWidget</name>
    <message>
        <source>Offered file: %1</source>
        <translation>Archivo ofrecido: %1</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Rechazar</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation type="vanished">Chat</translation>
    </message>
    <message>
        <source>You are offline</source>
        <translation>No está conectado</translation>
    </message>
    <message>
        <source>%1 is offline. The messages are delivered when %2 comes online.</source>
        <translation>%1 no está conectado. Los mensajes se entregarán cuando %2 se conecte.</translation>
    </message>
    <message>
        <source>%1 is offline. The messages might not be delivered.</source>
        <translation>%1 no está conectado. Es posible que los mensajes no se entreguen.</translation>
    </message>
    <message>
        <source>Chat room no longer exists</source>
        <translation>La sala de chat ya no existe</translation>
    </message>
    <message>
        <source>Audio conference information has not been provided. To enable audio functionality, please enter your conference information under %1 Preferences%2.</source>
        <translation>No se ha indicado la información de la conferencia de audio. Para activar el audio, introduzca los datos de su conferencia en %1 Preferencias%2.</translation>
    </message>
    <message>
        <source>Last message received %1</source>
        <translation>Último mensaje recibido %1</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticonos</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Enviar archivo</translation>
    </message>
    <message>
        <source>Conversation</source>
        <translation>Conversación</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>Mute Speaker</source>
        <translation>Silenciar altavoz</translation>
    </message>
    <message>
        <source>Complete Transfer</source>
        <translation>Completar transferencia</translation>
    </message>
    <message>
        <source>Hide my video</source>
        <translation>Ocultar mi vídeo</translation>
    </message>
    <message>
        <source>Show my video</source>
        <translation>Mostrar mi vídeo</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Responder</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Rechazar</translation>
    </message>
    <message>
        <source>Dial Pad</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Retener</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Stop Video</source>
        <translation>Detener vídeo</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Activar sonido</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
</context>
<context>
    <name>GroupParticipants</name>
    <message>
        <source>Participants</source>
        <translation>Participantes</translation>
    </message>
</context>
<context>
    <name>Models::Chat::MessageModel</name>
    <message>
        <source> Sending SMS...</source>
        <translation> Enviando SMS...</translation>
    </message>
    <message>
        <source> sent an SMS</source>
        <translation> envió un SMS</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 are typing...</source>
        <translation>%1 están escribiendo...</translation>
    </message>
    <message>
        <source>%1 has joined chat %2</source>
        <translation>%1 se ha unido al chat %2</translation>
    </message>
    <message>
        <source>%1 has left chat %2</source>
        <translation>%1 ha salido del chat %2</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 está escribiendo...</translation>
    </message>
    <message>
        <source>%1 joined Desktop Share %2</source>
        <translation>%1 se ha unido al uso compartido del escritorio %2</translation>
    </message>
    <message>
        <source>%1 left Desktop Share %2</source>
        <translation>%1 ha salido del uso compartido del escritorio %2</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel Transfer</source>
        <translation>Cancelar transferencia</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Rechazar</translation>
    </message>
    <message>
        <source>Drag and drop contacts from the contact list to add them as participants to this chat.</source>
        <translation>Arrastre contactos desde la lista de contactos y suéltelos aquí para agregarlos como participantes a este chat.</translation>
    </message>
    <message>
        <source>File Size %1</source>
        <translation>Tamaño del archivo: %1</translation>
    </message>
    <message>
        <source>File Size %1. The incoming file is too large. The transfer has been cancelled.</source>
        <translation>Tamaño del archivo: %1. El archivo entrante es demasiado grande. Se ha cancelado la transferencia.</translation>
    </message>
    <message>
        <source>File Size %1. The outgoing file is too large. The transfer has been cancelled.</source>
        <translation>Tamaño del archivo: %1. El archivo saliente es demasiado grande. Se ha cancelado la transferencia.</translation>
    </message>
    <message>
        <source>File received, click to open</source>
        <translation>Archivo recibido, haga clic para abrirlo</translation>
    </message>
    <message>
        <source>File sent</source>
        <translation>Archivo enviado</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>Yo</translation>
    </message>
    <message>
        <source>Receiving file %1 of %2</source>
        <translation>Recibiendo archivo %1 de %2</translation>
    </message>
    <message>
        <source>Request timed out, message wasn&apos;t sent.</source>
        <translation>Se agotó el tiempo de espera de la solicitud; no se envió el mensaje.</translation>
    </message>
    <message>
        <source>Sending file %1 of %2</source>
        <translation>Enviando archivo %1 de %2</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>El archivo no existe</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Transferencia cancelada</translation>
    </message>
    <message>
        <source>Transfer failed</source>
        <translation>Error en la transferencia</translation>
    </message>
    <message>
        <source>Transfer failed. Incompatible encryption level.</source>
        <translation>Error en la transferencia. Nivel de cifrado incompatible.</translation>
    </message>
    <message>
        <source>Transfer timed out</source>
        <translation>Se agotó el tiempo de espera de la transferencia</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Esperando...</translation>
    </message>
    <message>
        <source>Your share has been closed.</source>
        <translation>Se ha cerrado su uso compartido.</translation>
    </message>
    <message>
        <source>Your share will close in %1 minute(s) due to inactivity unless you continue using the share before that.</source>
        <translation>Su uso compartido se cerrará en %1 minuto(s) por inactividad, a menos que siga usándolo antes de ese momento.</translation>
    </message>
    <message>
        <source>Transfer failed. The file could not be saved: %1</source>
        <translation>Error en la transferencia. No se pudo guardar el archivo: %1</translation>
    </message>
</context>
<context>
    <name>Overlays</name>
    <message>
        <source>Talk First</source>
        <translation>Hablar primero</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Add people...</source>
        <translation type="vanished">Agregar personas...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Park the call on...</source>
        <translation>Aparcar la llamada en...</translation>
    </message>
    <message>
        <source>Transfer the call to...</source>
        <translation type="vanished">Transferir la llamada a...</translation>
    </message>
    <message>
        <source>Transfer to</source>
        <translation>Transferir a</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Agregar personas</translation>
    </message>
    <message>
        <source>Name or number</source>
        <translation>Nombre o número</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Transferir a %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Agregar %1</translation>
    </message>
</context>
<context>
    <name>QML::CommunicationsWindow</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: </source>
        <translation>%1: </translation>
    </message>
    <message>
        <source>*.wav *.amr</source>
        <translation>*.wav *.amr</translation>
    </message>
    <message>
        <source>Closing this communication window will end the call. Are you sure you want to end the call and close the window?</source>
        <translation>Si cierra esta ventana de comunicación, finalizará la llamada. ¿Seguro que desea finalizar la llamada y cerrar la ventana?</translation>
    </message>
    <message>
        <source>Dismissed from Chat</source>
        <translation>Expulsado del chat</translation>
    </message>
    <message>
        <source>Dismissed from Chat and Share</source>
        <translation>Expulsado del chat y del uso compartido</translation>
    </message>
    <message>
        <source>Dismissed from Share</source>
        <translation>Expulsado del uso compartido</translation>
    </message>
    <message>
        <source>Error Sending Message</source>
        <translation>Error al enviar el mensaje</translation>
    </message>
    <message>
        <source>Select File to Send...</source>
        <translation>Seleccionar archivo para enviar...</translation>
    </message>
    <message>
        <source>Transfer Call</source>
        <translation>Transferir llamada</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Warning - End Call?</source>
        <translation>Advertencia: ¿finalizar la llamada?</translation>
    </message>
    <message>
        <source>You have been dismissed from chat and share by %1.</source>
        <translation>%1 le ha expulsado del chat y del uso compartido.</translation>
    </message>
    <message>
        <source>You have been dismissed from chat by %1.</source>
        <translation>%1 le ha expulsado del chat.</translation>
    </message>
    <message>
        <source>You have been dismissed from share.</source>
        <translation>Se le ha expulsado del uso compartido.</translation>
    </message>
    <message>
        <source>Your message could not be sent due to a network issue. Because of this some chat messages might not be visible in the history.</source>
        <translation>No se pudo enviar su mensaje debido a un problema de red. Por este motivo, es posible que algunos mensajes del chat no se muestren en el historial.</translation>
    </message>
</context>
<context>
    <name>QML::MainWindow</name>
    <message>
        <source>Are you sure you want to remove the selected contacts from your contact list?</source>
        <translation>¿Seguro que desea quitar los contactos seleccionados de su lista de contactos?</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Contact Already Exists</source>
        <translation>El contacto ya existe</translation>
    </message>
    <message>
        <source>My Room</source>
        <translation type="vanished">Mi sala</translation>
    </message>
    <message>
        <source>This person is already in your contact list under display name %1</source>
        <translation>Esta persona ya está en su lista de contactos con el nombre para mostrar %1</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Directorio</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="vanished">Contactos</translation>
    </message>
    <message>
        <source>Own Contacts</source>
        <translation>Contactos propios</translation>
    </message>
</context>
<context>
    <name>SecurityBar</name>
    <message>
        <source>Unclassified</source>
        <translation>Sin clasificar</translation>
    </message>
</context>
<context>
    <name>Utils::ChatRoomActions</name>
    <message>
        <source>Delete Room</source>
        <translation>Eliminar sala</translation>
    </message>
    <message>
        <source>Edit Room</source>
        <translation>Editar sala</translation>
    </message>
    <message>
        <source>Join Room</source>
        <translation>Unirse a la sala</translation>
    </message>
</context>
<context>
    <name>Utils::CommunicationSessionUiHelper</name>
    <message>
        <source>Calls unavailable</source>
        <translation>Llamadas no disponibles</translation>
    </message>
    <message>
        <source>%1&apos;s Room</source>
        <translation>Sala de %1</translation>
    </message>
    <message>
        <source>(Owner)</source>
        <translation>(Propietario)</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Llamada</translation>
    </message>
    <message>
        <source>Call Active</source>
        <translation>Llamada activa</translation>
    </message>
    <message>
        <source>Call from phone</source>
        <translation>Llamar desde el teléfono</translation>
    </message>
    <message>
        <source>Calling</source>
        <translation>Llamando</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Group Communications</source>
        <translation>Comunicaciones de grupo</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Llamada entrante</translation>
    </message>
    <message>
        <source>My Room</source>
        <translation>Mi sala</translation>
    </message>
    <message>
        <source>On Hold</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Pull Call</source>
        <translation>Traer la llamada aquí</translation>
    </message>
    <message>
        <source>Retrieve Parked Call</source>
        <translation>Recuperar llamada aparcada</translation>
    </message>
    <message>
        <source>Sharing Desktop</source>
        <translation>Compartiendo escritorio</translation>
    </message>
    <message>
        <source>Transfer Call: %1</source>
        <translation>Transferir llamada: %1</translation>
    </message>
    <message>
        <source>Viewing Share</source>
        <translation>Viendo uso compartido</translation>
    </message>
</context>
<context>
    <name>Utils::MenuHandler</name>
    <message>
        <source>Add Conference Contact</source>
        <translation>Agregar contacto de conferencia</translation>
    </message>
    <message>
        <source>Add Contact</source>
        <translation>Agregar contacto</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>Agregar grupo</translation>
    </message>
    <message>
        <source>Add Room</source>
        <translation>Agregar sala</translation>
    </message>
    <message>
        <source>Add to Group</source>
        <translation>Agregar al grupo</translation>
    </message>
    <message>
        <source>Change Profile Photo</source>
        <translation>Cambiar foto de perfil</translation>
    </message>
    <message>
        <source>Clear All Missed</source>
        <translation>Borrar todas las perdidas</translation>
    </message>
    <message>
        <source>Clear Missed Calls</source>
        <translation>Borrar llamadas perdidas</translation>
    </message>
    <message>
        <source>Clear Missed Chats</source>
        <translation>Borrar chats perdidos</translation>
    </message>
    <message>
        <source>Clear Profile Photo</source>
        <translation>Quitar foto de perfil</translation>
    </message>
    <message>
        <source>Configure My Room</source>
        <translation>Configurar Mi sala</translation>
    </message>
    <message>
        <source>Copy My Room Invitation</source>
        <translation>Copiar invitación a Mi sala</translation>
    </message>
    <message>
        <source>Join My Room</source>
        <translation>Unirse a Mi sala</translation>
    </message>
    <message>
        <source>Mark as Seen</source>
        <translation>Marcar como visto</translation>
    </message>
    <message>
        <source>Remove Contacts</source>
        <translation>Quitar contactos</translation>
    </message>
    <message>
        <source>Remove from Group</source>
        <translation>Quitar del grupo</translation>
    </message>
    <message>
        <source>My Location...</source>
        <translation>Mi ubicación...</translation>
    </message>
</context>
<context>
    <name>Utils::ZentUrlHandler</name>
    <message>
        <source>Failed to Join Room</source>
        <translation>No se pudo unir a la sala</translation>
    </message>
    <message>
        <source>Failed to join %1&apos;s room due to network connection issues. Please try again after the connection is restored</source>
        <translation>No se pudo unir a la sala de %1 debido a problemas de conexión de red. Vuelva a intentarlo cuando se restablezca la conexión</translation>
    </message>
    <message>
        <source>Call from a Link</source>
        <translation>Llamada desde un enlace</translation>
    </message>
    <message>
        <source>A link to a room asks to call its conference, %1. Do you want to join the room with this call?</source>
        <translation>Un enlace a una sala pide llamar a su conferencia, %1. ¿Quiere unirse a la sala con esta llamada?</translation>
    </message>
</context>
<context>
    <name>WebCollabWidget</name>
    <message>
        <source>Waiting for the shared screen...</source>
        <translation>Esperando la pantalla compartida...</translation>
    </message>
    <message>
        <source>You are sharing your desktop</source>
        <translation>Está compartiendo su escritorio</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Dejar de compartir</translation>
    </message>
</context>
<context>
    <name>Utils::WindowManagerCallHelper</name>
    <message>
        <source>Confirm Call</source>
        <translation>Confirmar llamada</translation>
    </message>
    <message>
        <source>Starting a call will put ongoing call on hold. Continue?</source>
        <translation>Al iniciar una llamada, la llamada en curso quedará en espera. ¿Continuar?</translation>
    </message>
    <message>
        <source>Answering a call will put ongoing call on hold. Continue?</source>
        <translation>Al contestar una llamada, la llamada en curso quedará en espera. ¿Continuar?</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferencia</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Video Call Failed</source>
        <translation>Error en la videollamada</translation>
    </message>
    <message>
        <source>Unable to start video, please check that other applications are not using the camera. Please also ensure that your web-camera drivers are up to date.</source>
        <translation>No se pudo iniciar el vídeo. Compruebe que ninguna otra aplicación esté usando la cámara y que los controladores de la cámara web estén actualizados.</translation>
    </message>
    <message>
        <source>Call Failed</source>
        <translation>Error en la llamada</translation>
    </message>
    <message>
        <source>Emergency calls are not supported. Please use another phone.</source>
        <translation>No se admiten llamadas de emergencia. Utilice otro teléfono.</translation>
    </message>
    <message>
        <source>Call to Phone failed!</source>
        <translation>¡Error en la llamada al teléfono!</translation>
    </message>
    <message>
        <source>Error Transferring Call</source>
        <translation>Error al transferir la llamada</translation>
    </message>
    <message>
        <source>There was an error while transferring your call. Please check the number and try again.</source>
        <translation>Se produjo un error al transferir la llamada. Compruebe el número e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The person you are transferring to cannot take the call now. Your call goes on.</source>
        <translation>La persona a la que transfiere la llamada no puede atenderla ahora. Su llamada continúa.</translation>
    </message>
    <message>
        <source>%1 is busy</source>
        <translation>%1 está ocupado</translation>
    </message>
    <message>
        <source>%1 declined the call</source>
        <translation>%1 rechazó la llamada</translation>
    </message>
    <message>
        <source>%1 did not answer</source>
        <translation>%1 no contestó</translation>
    </message>
    <message>
        <source>%1 was transferred to %2</source>
        <translation>La llamada de %1 se transfirió a %2</translation>
    </message>
</context>
<context>
    <name>Models::ErrorInfoModel</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Presence</source>
        <translation>Presencia</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Llamadas</translation>
    </message>
    <message>
        <source>Desktop Share</source>
        <translation>Compartir escritorio</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Service not connected. %1 unavailable</source>
        <translation>Servicio no conectado. Sin disponibilidad: %1</translation>
    </message>
    <message>
        <source>Network connection lost</source>
        <translation>Se perdió la conexión de red</translation>
    </message>
    <message>
        <source>Calls unavailable</source>
        <translation>Llamadas no disponibles</translation>
    </message>
    <message>
        <source>Chat unavailable</source>
        <translation>Chat no disponible</translation>
    </message>
    <message>
        <source>Some events are unavailable</source>
        <translation>Algunos eventos no están disponibles</translation>
    </message>
    <message>
        <source>Call settings and calling from phone is currently not available.</source>
        <translation>La configuración de llamadas y las llamadas desde el teléfono no están disponibles en este momento.</translation>
    </message>
    <message>
        <source>Some settings are unavailable</source>
        <translation>Algunas opciones no están disponibles</translation>
    </message>
    <message>
        <source>Call settings is currently not available.</source>
        <translation>La configuración de llamadas no está disponible en este momento.</translation>
    </message>
    <message>
        <source>Calling from phone unavailable</source>
        <translation>Llamadas desde el teléfono no disponibles</translation>
    </message>
    <message>
        <source>Calling from phone is currently not available.</source>
        <translation>Las llamadas desde el teléfono no están disponibles en este momento.</translation>
    </message>
    <message>
        <source>Error retrieving history</source>
        <translation>Error al obtener el historial</translation>
    </message>
    <message>
        <source>Failed to retrieve some call logs in history. Please try again later.</source>
        <translation>No se pudieron obtener algunos registros de llamadas del historial. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Desktop share unavailable</source>
        <translation>Compartir escritorio no disponible</translation>
    </message>
    <message>
        <source>Unable to start desktop share. Please try again later. If the problem persists, please contact your service provider.</source>
        <translation>No se puede iniciar la compartición del escritorio. Vuelva a intentarlo más tarde. Si el problema continúa, póngase en contacto con su proveedor de servicios.</translation>
    </message>
    <message>
        <source>Desktop share credential error</source>
        <translation>Error de credenciales de compartir escritorio</translation>
    </message>
    <message>
        <source>Your Desktop Share credentials seem to be unavailable or invalid.</source>
        <translation>Sus credenciales de compartir escritorio parecen no estar disponibles o no ser válidas.</translation>
    </message>
    <message>
        <source>Your Desktop Share credentials seem to be unavailable or invalid. You can update your credentials from the Preferences.</source>
        <translation>Sus credenciales de compartir escritorio parecen no estar disponibles o no ser válidas. Puede actualizarlas en Preferencias.</translation>
    </message>
    <message>
        <source>Corporate Directory (LDAP) Error</source>
        <translation>Error del directorio corporativo (LDAP)</translation>
    </message>
    <message>
        <source>Corporate directory credential error</source>
        <translation>Error de credenciales del directorio corporativo</translation>
    </message>
    <message>
        <source>Your LDAP credentials seem to be unavailable or invalid. You can update your credentials from the Preferences.</source>
        <translation>Sus credenciales LDAP parecen no estar disponibles o no ser válidas. Puede actualizarlas en Preferencias.</translation>
    </message>
    <message>
        <source>Outlook not detected</source>
        <translation>Outlook no detectado</translation>
    </message>
    <message>
        <source>There was an error locating Microsoft Outlook on your system. If you have Outlook installed, please exit and restart your client. If you do not have Outlook installed, you can disable Outlook features via Preferences.</source>
        <translation>Se produjo un error al buscar Microsoft Outlook en su sistema. Si tiene Outlook instalado, salga y reinicie el cliente. Si no lo tiene instalado, puede desactivar las funciones de Outlook en Preferencias.</translation>
    </message>
    <message>
        <source>Emergency calls unavailable</source>
        <translation>Llamadas de emergencia no disponibles</translation>
    </message>
    <message>
        <source>Emergency calls are not supported. Please use another phone.</source>
        <translation>No se admiten llamadas de emergencia. Utilice otro teléfono.</translation>
    </message>
    <message>
        <source>Contact list version mismatch</source>
        <translation>La versión de la lista de contactos no coincide</translation>
    </message>
    <message>
        <source>Contact list version mismatch - contact list is read only.</source>
        <translation>La versión de la lista de contactos no coincide: la lista de contactos es de solo lectura.</translation>
    </message>
</context>
<context>
    <name>Models::LeftPaneButtonsModel</name>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Communication History</source>
        <translation>Historial de comunicaciones</translation>
    </message>
    <message>
        <source>Dialpad</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Directorio</translation>
    </message>
</context>
<context>
    <name>Utils::ActiveCommsDragDropHandler</name>
    <message>
        <source>Transfer or Conference</source>
        <translation>Transferir o conferencia</translation>
    </message>
    <message>
        <source>Do you want to transfer %1 to %2 or start a conference?</source>
        <translation>¿Desea transferir a %1 a %2 o iniciar una conferencia?</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Do you want to transfer %1 to %2?</source>
        <translation>¿Desea transferir a %1 a %2?</translation>
    </message>
    <message>
        <source>Chat room</source>
        <translation>Sala de chat</translation>
    </message>
    <message>
        <source>Conference</source>
        <translation>Conferencia</translation>
    </message>
    <message>
        <source>Add %1 to %2?</source>
        <translation>¿Agregar a %1 a %2?</translation>
    </message>
    <message>
        <source>chat room</source>
        <translation>la sala de chat</translation>
    </message>
    <message>
        <source>conference call</source>
        <translation>la llamada de conferencia</translation>
    </message>
    <message>
        <source>Do you want to %1?</source>
        <translation>¿Desea %1?</translation>
    </message>
    <message>
        <source>create a chat room</source>
        <translation>crear una sala de chat</translation>
    </message>
    <message>
        <source>start a conference call</source>
        <translation>iniciar una llamada de conferencia</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
</context>
<context>
    <name>ErrorInfo</name>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
</context>
<context>
    <name>LeftPane</name>
    <message>
        <source>Rooms</source>
        <translation>Salas</translation>
    </message>
</context>
<context>
    <name>ActiveComms</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
</context>
<context>
    <name>Utils::Search::SearchManager</name>
    <message>
        <source>Telephony Directory</source>
        <translation>Directorio telefónico</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Directorio</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>Corporate Directory</source>
        <translation>Directorio corporativo</translation>
    </message>
    <message>
        <source>The directory server refused the credentials</source>
        <translation>El servidor de directorio rechazó las credenciales</translation>
    </message>
    <message>
        <source>No directory server is configured</source>
        <translation>No hay ningún servidor de directorio configurado</translation>
    </message>
    <message>
        <source>The directory server did not answer in time</source>
        <translation>El servidor de directorio no respondió a tiempo</translation>
    </message>
    <message>
        <source>The directory server cannot be reached</source>
        <translation>No se puede contactar con el servidor de directorio</translation>
    </message>
    <message>
        <source>The directory search is unavailable: its library cannot be loaded</source>
        <translation>La búsqueda en el directorio no está disponible: no se puede cargar su biblioteca</translation>
    </message>
    <message>
        <source>The directory search failed</source>
        <translation>La búsqueda en el directorio ha fallado</translation>
    </message>
    <message>
        <source>Outlook search is initializing</source>
        <translation>La búsqueda de Outlook se está iniciando</translation>
    </message>
    <message>
        <source>Operation timeout</source>
        <translation>Se agotó el tiempo de la operación</translation>
    </message>
    <message>
        <source>Unknown error while obtaining contacts from Outlook</source>
        <translation>Error desconocido al obtener los contactos de Outlook</translation>
    </message>
</context>
<context>
    <name>Utils::WindowManagerChatHelper</name>
    <message>
        <source>Private Room</source>
        <translation>Sala privada</translation>
    </message>
    <message>
        <source>This private room is restricted to members only. Since you are not a member of this room, you are not able to join.</source>
        <translation>Esta sala privada está restringida a sus miembros. Como no es miembro de esta sala, no puede unirse.</translation>
    </message>
    <message>
        <source>Error joining room</source>
        <translation>Error al unirse a la sala</translation>
    </message>
    <message>
        <source>You are banned from the room and cannot join</source>
        <translation>Tiene prohibida la entrada a la sala y no puede unirse</translation>
    </message>
    <message>
        <source>Unable to Join</source>
        <translation>No se puede unir</translation>
    </message>
    <message>
        <source>It seems the room you have selected has not been configured. We are sorry for the inconvenience.</source>
        <translation>Parece que la sala seleccionada no se ha configurado. Lamentamos las molestias.</translation>
    </message>
    <message>
        <source>Error Deleting Room</source>
        <translation>Error al eliminar la sala</translation>
    </message>
    <message>
        <source>You are not the owner of this room. Only the owner can delete the room.</source>
        <translation>No es el propietario de esta sala. Solo el propietario puede eliminarla.</translation>
    </message>
    <message>
        <source>Error Editing Room</source>
        <translation>Error al editar la sala</translation>
    </message>
    <message>
        <source>You are not the owner of this room. Only the owner can edit the room.</source>
        <translation>No es el propietario de esta sala. Solo el propietario puede editarla.</translation>
    </message>
    <message>
        <source>Error adding people</source>
        <translation>Error al añadir personas</translation>
    </message>
    <message>
        <source>Unable to add the following people to the session because they have no IM address:
%1</source>
        <translation>No se puede añadir a las siguientes personas a la sesión porque no tienen dirección de mensajería:
%1</translation>
    </message>
    <message>
        <source>Chat room no longer exists</source>
        <translation>La sala de chat ya no existe</translation>
    </message>
</context>
<context>
    <name>ConfigureRoomDialog</name>
    <message>
        <source>Edit Room</source>
        <translation>Editar sala</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Private Room</source>
        <translation>Sala privada</translation>
    </message>
    <message>
        <source>Public Room</source>
        <translation>Sala pública</translation>
    </message>
    <message>
        <source>Enable History</source>
        <translation>Activar historial</translation>
    </message>
    <message>
        <source>Remove participants from room:</source>
        <translation>Quitar participantes de la sala:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>If you enable the history anyone joining this room will see the last %1 messages sent</source>
        <translation>Si activa el historial, quien se una a esta sala verá los últimos %1 mensajes enviados</translation>
    </message>
    <message>
        <source>Create Room</source>
        <translation>Crear sala</translation>
    </message>
    <message>
        <source>Room Changed to Private Room</source>
        <translation>La sala ahora es privada</translation>
    </message>
    <message>
        <source>Chat room changed to private room, re-invite members to chat room.</source>
        <translation>La sala de chat ahora es privada; vuelva a invitar a los miembros a la sala.</translation>
    </message>
</context>
<context>
    <name>ConfirmRoomDeletion</name>
    <message>
        <source>Delete Room?</source>
        <translation>¿Eliminar sala?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete ?</source>
        <translation>¿Seguro que desea eliminar ?</translation>
    </message>
    <message>
        <source>Always ask before deleting room</source>
        <translation>Preguntar siempre antes de eliminar una sala</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>¿Seguro que desea eliminar %1?</translation>
    </message>
</context>
<context>
    <name>QML::CallDebugWindowBase</name>
    <message>
        <source>Call debug</source>
        <translation>Depuración de llamada</translation>
    </message>
</context>
<context>
    <name>HistorySelection</name>
    <message>
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>La semana pasada</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>El mes pasado</translation>
    </message>
    <message>
        <source>All History</source>
        <translation>Todo el historial</translation>
    </message>
</context>
<context>
    <name>Utils::Actions::CommunicationsWindowMenuActions</name>
    <message>
        <source>End communications</source>
        <translation>Terminar comunicaciones</translation>
    </message>
    <message>
        <source>End Call</source>
        <translation>Terminar llamada</translation>
    </message>
    <message>
        <source>End Chat</source>
        <translation>Terminar chat</translation>
    </message>
    <message>
        <source>Mute Microphone</source>
        <translation>Silenciar micrófono</translation>
    </message>
    <message>
        <source>Unmute Microphone</source>
        <translation>Activar micrófono</translation>
    </message>
    <message>
        <source>Hold Call</source>
        <translation>Retener llamada</translation>
    </message>
    <message>
        <source>Unhold Call</source>
        <translation>Reanudar llamada</translation>
    </message>
    <message>
        <source>Conference with</source>
        <translation>Conferencia con</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Transfer to</source>
        <translation>Transferir a</translation>
    </message>
    <message>
        <source>Park Call</source>
        <translation>Aparcar llamada</translation>
    </message>
    <message>
        <source>Record Call</source>
        <translation>Grabar llamada</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>Pause Recording</source>
        <translation>Pausar grabación</translation>
    </message>
    <message>
        <source>Resume Recording</source>
        <translation>Reanudar grabación</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Show My Video</source>
        <translation>Mostrar mi vídeo</translation>
    </message>
    <message>
        <source>Hide My Video</source>
        <translation>Ocultar mi vídeo</translation>
    </message>
    <message>
        <source>Delete Chat History</source>
        <translation>Eliminar historial de chat</translation>
    </message>
    <message>
        <source>Edit Room</source>
        <translation>Editar sala</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Mostrar ventana</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Ocultar ventana</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Siempre visible</translation>
    </message>
    <message>
        <source>Group Communications</source>
        <translation>Comunicaciones de grupo</translation>
    </message>
    <message>
        <source>Confirm Removal</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the chat history?</source>
        <translation>¿Está seguro de que desea eliminar el historial de chat?</translation>
    </message>
</context>
<context>
    <name>Utils::Actions::ParticipantMenuActions</name>
    <message>
        <source>Dismiss from Chat</source>
        <translation>Expulsar del chat</translation>
    </message>
    <message>
        <source>Dismiss from Chat and Share</source>
        <translation>Expulsar del chat y de la pantalla compartida</translation>
    </message>
    <message>
        <source>Promote to Moderator</source>
        <translation>Ascender a moderador</translation>
    </message>
    <message>
        <source>Demote from Moderator</source>
        <translation>Quitar como moderador</translation>
    </message>
</context>
<context>
    <name>Utils::MyRoomHelper</name>
    <message>
        <source>My Room
</source>
        <translation>Mi sala
</translation>
    </message>
    <message>
        <source>Dial-in Number: %1
</source>
        <translation>Número de acceso: %1
</translation>
    </message>
    <message>
        <source>Conference ID: %1
</source>
        <translation>ID de conferencia: %1
</translation>
    </message>
    <message>
        <source>Security PIN: %1
</source>
        <translation>PIN de seguridad: %1
</translation>
    </message>
    <message>
        <source>Moderator PIN: %1</source>
        <translation>PIN de moderador: %1</translation>
    </message>
    <message>
        <source>Users:</source>
        <translation>Usuarios:</translation>
    </message>
    <message>
        <source>%1's Session</source>
        <translation>Sesión de %1</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Collaboration Session</source>
        <translation>Sesión de colaboración</translation>
    </message>
    <message>
        <source>Dial-In Number</source>
        <translation>Número de acceso</translation>
    </message>
    <message>
        <source>Conference ID</source>
        <translation>ID de conferencia</translation>
    </message>
    <message>
        <source>Security PIN</source>
        <translation>PIN de seguridad</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>%1 keeps running here. Double-click the icon to open it again, or choose Exit to leave.</source>
        <translation>%1 sigue funcionando aquí. Haga doble clic en el icono para volver a abrirlo, o elija Salir para cerrarlo.</translation>
    </message>
</context>
<context>
    <name>CrashReporter</name>
    <message>
        <source>Crash Report</source>
        <translation>Informe de fallo</translation>
    </message>
    <message>
        <source>The program closed unexpectedly.</source>
        <translation>El programa se cerró de forma inesperada.</translation>
    </message>
    <message>
        <source>A report was saved to:
%1</source>
        <translation>Se guardó un informe en:
%1</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Show Report</source>
        <translation>Mostrar informe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The program could not be started.</source>
        <translation>No se pudo iniciar el programa.</translation>
    </message>
</context>
<context>
    <name>FileWrites</name>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Se ha excedido la cuota de disco</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operación no permitida</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es una carpeta</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>no se pudo reemplazar el archivo</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>the file could not be read, so it is not written over</source>
        <translation>no se pudo leer el archivo, así que no se sobrescribe</translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation>no se pudo crear la carpeta</translation>
    </message>
    <message>
        <source>the whole file could not be kept beside it</source>
        <translation>no se pudo conservar el archivo completo a su lado</translation>
    </message>
    <message>
        <source>not a settings file</source>
        <translation>no es un archivo de configuración</translation>
    </message>
</context>
<context>
    <name>QtSingleApplication</name>
    <message>
        <source>%1 is in the way of the lock file and is not one</source>
        <translation>%1 ocupa el lugar del archivo de bloqueo y no es uno</translation>
    </message>
    <message>
        <source>the lock file %1 of an instance that has ended cannot be removed: %2</source>
        <translation>no se puede eliminar el archivo de bloqueo %1 de una instancia que ya terminó: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be written: %2</source>
        <translation>no se puede escribir el archivo de bloqueo %1: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created: permission denied</source>
        <translation>no se puede crear el archivo de bloqueo %1: permiso denegado</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>no se indicó ninguna carpeta</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>no se puede usar %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>%1 is open to other users</source>
        <translation>%1 está abierta a otros usuarios</translation>
    </message>
    <message>
        <source>no socket at %1</source>
        <translation>no hay ningún socket en %1</translation>
    </message>
    <message>
        <source>%1 is not a socket</source>
        <translation>%1 no es un socket</translation>
    </message>
    <message>
        <source>there is no cache folder</source>
        <translation>no hay ninguna carpeta de caché</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1, y %2</translation>
    </message>
</context>
<context>
    <name>RAZ::Controllers::GranitewayAnywhereController</name>
    <message>
        <source>The location could not be added: its number is empty or listed already</source>
        <translation>No se pudo agregar la ubicación: su número está vacío o ya figura en la lista</translation>
    </message>
</context>
<context>
    <name>RAZ::Controllers::XsiServiceObject</name>
    <message>
        <source>The service is not assigned to this account</source>
        <translation>El servicio no está asignado a esta cuenta</translation>
    </message>
</context>
<context>
    <name>RAZ::Webcollab::WebcollabBase</name>
    <message>
        <source>Shared screen
</source>
        <translation>Pantalla compartida
</translation>
    </message>
</context>
<context>
    <name>RAZ::Xsi::CallSettingsStore</name>
    <message>
        <source>No credentials</source>
        <translation>Sin credenciales</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Error de autenticación</translation>
    </message>
    <message>
        <source>Network error</source>
        <translation>Error de red</translation>
    </message>
</context>
<context>
    <name>RAZ::Xsi::XsiCredentialsControl</name>
    <message>
        <source>The current password is not correct.</source>
        <translation>La contraseña actual no es correcta.</translation>
    </message>
    <message>
        <source>The new password is not accepted.</source>
        <translation>La nueva contraseña no se acepta.</translation>
    </message>
</context>
<context>
    <name>RAZ::Demo::Service</name>
    <message>
        <source>Demo Document Camera</source>
        <translation>Cámara de documentos de demostración</translation>
    </message>
    <message>
        <source>Demo Camera</source>
        <translation>Cámara de demostración</translation>
    </message>
    <message>
        <source>Sounds good.</source>
        <translation>Me parece bien.</translation>
    </message>
    <message>
        <source>Hi, have you got a minute?</source>
        <translation>Hola, ¿tienes un minuto?</translation>
    </message>
    <message>
        <source>Noted, thanks.</source>
        <translation>Anotado, gracias.</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlín</translation>
    </message>
    <message>
        <source>GERMANY</source>
        <translation>ALEMANIA</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Sin clasificar</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Restringido</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Confidencial</translation>
    </message>
    <message>
        <source>Available for the demo call</source>
        <translation>Disponible para la llamada de demostración</translation>
    </message>
    <message>
        <source>At my desk</source>
        <translation>En mi puesto</translation>
    </message>
    <message>
        <source>Home office</source>
        <translation>Teletrabajo</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Comiendo</translation>
    </message>
    <message>
        <source>Out for a run</source>
        <translation>Salí a correr</translation>
    </message>
    <message>
        <source>Back in ten minutes</source>
        <translation>Vuelvo en diez minutos</translation>
    </message>
    <message>
        <source>At the desk phone</source>
        <translation>En el teléfono de sobremesa</translation>
    </message>
    <message>
        <source>On the road, mobile only</source>
        <translation>De viaje, solo el móvil</translation>
    </message>
    <message>
        <source>In a workshop until 3 pm</source>
        <translation>En un taller hasta las 15:00</translation>
    </message>
    <message>
        <source>Focus time, please do not disturb</source>
        <translation>Concentrado, por favor no molestar</translation>
    </message>
    <message>
        <source>Planning meeting</source>
        <translation>Reunión de planificación</translation>
    </message>
    <message>
        <source>In a meeting</source>
        <translation>En una reunión</translation>
    </message>
    <message>
        <source>On a call</source>
        <translation>En una llamada</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Customers</source>
        <translation>Clientes</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familia</translation>
    </message>
    <message>
        <source>Reviewing the release notes</source>
        <translation>Revisando las notas de la versión</translation>
    </message>
    <message>
        <source>Back on Monday</source>
        <translation>De vuelta el lunes</translation>
    </message>
    <message>
        <source>Release planning</source>
        <translation>Planificación de versiones</translation>
    </message>
    <message>
        <source>Next release: scope and dates</source>
        <translation>Próxima versión: alcance y fechas</translation>
    </message>
    <message>
        <source>Support desk</source>
        <translation>Mesa de soporte</translation>
    </message>
    <message>
        <source>Open tickets</source>
        <translation>Incidencias abiertas</translation>
    </message>
    <message>
        <source>Coffee corner</source>
        <translation>Rincón del café</translation>
    </message>
    <message>
        <source>Sales</source>
        <translation>Ventas</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Engineering</source>
        <translation>Ingeniería</translation>
    </message>
    <message>
        <source>Finance</source>
        <translation>Finanzas</translation>
    </message>
    <message>
        <source>Front desk</source>
        <translation>Recepción</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Recepción</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>Rejected: Do Not Disturb</source>
        <translation>Rechazada: No molestar</translation>
    </message>
    <message>
        <source>Forwarded to %1</source>
        <translation>Desviada a %1</translation>
    </message>
    <message>
        <source>Demo video</source>
        <translation>Vídeo de demostración</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Usted</translation>
    </message>
    <message>
        <source>Echo Test</source>
        <translation>Prueba de eco</translation>
    </message>
    <message>
        <source>Voice Mail</source>
        <translation>Buzón de voz</translation>
    </message>
</context>
<context>
    <name>CallDebugInfo</name>
    <message>
        <source>Real duplex params</source>
        <translation>Parámetros de dúplex real</translation>
    </message>
    <message>
        <source>AEC</source>
        <translation>AEC</translation>
    </message>
    <message>
        <source>AEC auto mode</source>
        <translation>Modo automático de AEC</translation>
    </message>
    <message>
        <source>AEC NLP</source>
        <translation>NLP de AEC</translation>
    </message>
    <message>
        <source>AEC CNG</source>
        <translation>CNG de AEC</translation>
    </message>
    <message>
        <source>Noise suppression</source>
        <translation>Supresión de ruido</translation>
    </message>
    <message>
        <source>Automatic gain control</source>
        <translation>Control automático de ganancia</translation>
    </message>
    <message>
        <source>Audio parameters</source>
        <translation>Parámetros de audio</translation>
    </message>
    <message>
        <source>System speaker mute</source>
        <translation>Silenciar altavoz del sistema</translation>
    </message>
    <message>
        <source>System speaker gain</source>
        <translation>Ganancia del altavoz del sistema</translation>
    </message>
    <message>
        <source>System mic mute</source>
        <translation>Silenciar micrófono del sistema</translation>
    </message>
    <message>
        <source>System mic gain</source>
        <translation>Ganancia del micrófono del sistema</translation>
    </message>
    <message>
        <source>Speaker mute</source>
        <translation>Silenciar altavoz</translation>
    </message>
    <message>
        <source>Speaker gain</source>
        <translation>Ganancia del altavoz</translation>
    </message>
    <message>
        <source>Mic mute</source>
        <translation>Silenciar micrófono</translation>
    </message>
    <message>
        <source>Mic gain</source>
        <translation>Ganancia del micrófono</translation>
    </message>
    <message>
        <source>Channel audio parameters</source>
        <translation>Parámetros de audio del canal</translation>
    </message>
    <message>
        <source>Channel speaker mute</source>
        <translation>Silenciar altavoz del canal</translation>
    </message>
    <message>
        <source>Channel speaker gain</source>
        <translation>Ganancia del altavoz del canal</translation>
    </message>
    <message>
        <source>Channel mic mute</source>
        <translation>Silenciar micrófono del canal</translation>
    </message>
    <message>
        <source>Channel mic gain</source>
        <translation>Ganancia del micrófono del canal</translation>
    </message>
    <message>
        <source>Audio channel parameters (not editable)</source>
        <translation>Parámetros del canal de audio (no editables)</translation>
    </message>
    <message>
        <source>Voice encoder parameters</source>
        <translation>Parámetros del codificador de voz</translation>
    </message>
    <message>
        <source>Input/Output devices</source>
        <translation>Dispositivos de entrada/salida</translation>
    </message>
    <message>
        <source>Video encoder parameters</source>
        <translation>Parámetros del codificador de vídeo</translation>
    </message>
    <message>
        <source>CPU Load Control</source>
        <translation>Control de carga de CPU</translation>
    </message>
    <message>
        <source>Sent video stream statistics</source>
        <translation>Estadísticas del flujo de vídeo enviado</translation>
    </message>
    <message>
        <source>Received video stream statistics</source>
        <translation>Estadísticas del flujo de vídeo recibido</translation>
    </message>
    <message>
        <source>Video Automatic bitRate Selector (ARS) parameters</source>
        <translation>Parámetros del selector automático de velocidad de bits (ARS) de vídeo</translation>
    </message>
    <message>
        <source>Enable ARS</source>
        <translation>Activar ARS</translation>
    </message>
    <message>
        <source>Auto FEC</source>
        <translation>FEC automático</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Initial bitrate</source>
        <translation>Velocidad de bits inicial</translation>
    </message>
    <message>
        <source>Low bitrate</source>
        <translation>Velocidad de bits baja</translation>
    </message>
    <message>
        <source>High bitrate</source>
        <translation>Velocidad de bits alta</translation>
    </message>
    <message>
        <source>Low frame rate</source>
        <translation>Velocidad de fotogramas baja</translation>
    </message>
    <message>
        <source>High frame rate</source>
        <translation>Velocidad de fotogramas alta</translation>
    </message>
    <message>
        <source>Frame resize</source>
        <translation>Cambio de tamaño de fotograma</translation>
    </message>
    <message>
        <source>Feedback over RTCP</source>
        <translation>Respuesta por RTCP</translation>
    </message>
    <message>
        <source>Send no ARS feedback</source>
        <translation>No enviar respuesta de ARS</translation>
    </message>
    <message>
        <source>AEC mode (0: Headset; 1: Half duplex, time domain; 2: Half duplex, frequency domain; 3: Full duplex): %1</source>
        <translation>Modo de AEC (0: auriculares; 1: semidúplex, dominio del tiempo; 2: semidúplex, dominio de la frecuencia; 3: dúplex completo): %1</translation>
    </message>
    <message>
        <source>Mic boost behavior (0: No change; 1: Force to enable; 2: Force to disable): %1</source>
        <translation>Comportamiento del refuerzo de micrófono (0: sin cambios; 1: forzar activación; 2: forzar desactivación): %1</translation>
    </message>
    <message>
        <source>Keep alive (s): %1</source>
        <translation>Mantener activo (s): %1</translation>
    </message>
    <message>
        <source>Touch tones sent: %1</source>
        <translation>Tonos enviados: %1</translation>
    </message>
    <message>
        <source>QoS: %1</source>
        <translation>QoS: %1</translation>
    </message>
    <message>
        <source>RTCP disabled: %1</source>
        <translation>RTCP desactivado: %1</translation>
    </message>
    <message>
        <source>Conference control disabled: %1</source>
        <translation>Control de conferencia desactivado: %1</translation>
    </message>
</context>
<context>
    <name>NumberInput</name>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
</context>
</TS>
