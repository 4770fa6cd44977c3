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
        <source>Default theme not found. Please reinstall the client.
 Looked in %1 and %2</source>
        <translation>No se encontró el tema predeterminado. Vuelva a instalar el cliente.
 Se buscó en %1 y %2</translation>
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
        <source>No configuration could be loaded (looked in %1). Signing in is not possible until the program is reinstalled.</source>
        <translation>No se pudo cargar ninguna configuración (se buscó en %1). No es posible iniciar sesión hasta que se reinstale el programa.</translation>
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
</context>
<context>
    <name>CallAnswerNotification</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
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
    <name>CallSettings</name>
    <message>
        <source>These services are managed by your service provider.</source>
        <translation>Su proveedor de servicios administra estos servicios.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
</context>
<context>
    <name>QDeclarativeWebView2</name>
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
</context>
<context>
    <name>ContactCard</name>
    <message>
        <source>New contact</source>
        <translation>Contacto nuevo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Dialogs::LocationPublish</name>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Your network has changed. Which location should your contacts see?</source>
        <translation>Su red ha cambiado. ¿Qué ubicación deben ver sus contactos?</translation>
    </message>
    <message>
        <source>Detected location</source>
        <translation>Ubicación detectada</translation>
    </message>
    <message>
        <source>My own location:</source>
        <translation>Mi propia ubicación:</translation>
    </message>
    <message>
        <source>Ask me when my network changes</source>
        <translation>Preguntarme cuando cambie mi red</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocida</translation>
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
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Keep windows on top</source>
        <translation>Mantener las ventanas siempre visibles</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Ring on incoming calls</source>
        <translation>Sonar al recibir llamadas</translation>
    </message>
    <message>
        <source>Sound on incoming messages</source>
        <translation>Sonido al recibir mensajes</translation>
    </message>
    <message>
        <source>Sound when a contact comes online</source>
        <translation>Sonido cuando un contacto se conecta</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language follows your system.</source>
        <translation>El idioma es el de su sistema.</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Show status texts</source>
        <translation>Mostrar los textos de estado</translation>
    </message>
    <message>
        <source>Add-ins</source>
        <translation>Complementos</translation>
    </message>
    <message>
        <source>No add-ins are installed.</source>
        <translation>No hay complementos instalados.</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Write log files</source>
        <translation>Escribir archivos de registro</translation>
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
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Available</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Search contacts</source>
        <translation>Buscar contactos</translation>
    </message>
    <message>
        <source>No matching contacts</source>
        <translation>Ningún contacto coincide</translation>
    </message>
    <message>
        <source>No contacts yet</source>
        <translation>Todavía no tiene contactos</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s)</source>
        <translation>
            <numerusform>%n contacto</numerusform>
            <numerusform>%n contactos</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
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
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Call Forwarding</source>
        <translation>Desvío de llamadas</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>No molestar</translation>
    </message>
    <message>
        <source>Remote Office</source>
        <translation>Oficina remota</translation>
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
        <translation>Archivos de estilo (*.csv)</translation>
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
    <name>Utils::ActionsHelper</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Add Chat</source>
        <translation>Añadir chat</translation>
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
        <translation>Añadir llamada</translation>
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
        <translation>Añadir vídeo</translation>
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
        <translation>Añadir contacto</translation>
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
</context>
</TS>
