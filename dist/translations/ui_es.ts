<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>¡Falló la inicialización de la aplicación!</translation>
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
        <translation>Abortar</translation>
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
    <name>LoginWindow</name>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
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
        <source>Signing out...</source>
        <translation>Cerrando sesión...</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Iniciando sesión...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
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
        <translation>Traer llamada</translation>
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
    <name>QML::ConnectorNotification</name>
    <message>
        <source>New Add-ins</source>
        <translation>Complementos nuevos</translation>
    </message>
</context>
<context>
    <name>QML::LoginWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
</context>
<context>
    <name>Widgets::Window</name>
    <message>
        <source>Give Me a Name</source>
        <translation>Ventana</translation>
    </message>
</context>
</TS>
