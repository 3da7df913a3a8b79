<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Form1</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Shortcuts To Applications, Folders, URLs or E-mail Addresses</source>
        <translation>Accesos directos a aplicaciones, carpetas, direcciones web o direcciones de correo electrónico</translation>
    </message>
    <message>
        <source>Launch Selected (Ctrl+L)</source>
        <translation>Abrir selección (Ctrl+L)</translation>
    </message>
    <message>
        <source>Add Shortcut By EXE</source>
        <translation>Añadir un programa</translation>
    </message>
    <message>
        <source>Add Shortcut By .lnk</source>
        <translation>Añadir desde un lanzador</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Eliminar selección</translation>
    </message>
    <message>
        <source>Edit Selected</source>
        <translation>Editar selección</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Add Group</source>
        <translation>Añadir grupo</translation>
    </message>
    <message>
        <source>Group Name:</source>
        <translation>Nombre del grupo:</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Nombre del grupo</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Background Image:</source>
        <translation>Imagen de fondo:</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Select Background Image</source>
        <translation>Seleccionar imagen de fondo</translation>
    </message>
    <message>
        <source>Group Text Color:</source>
        <translation>Color del texto del grupo:</translation>
    </message>
    <message>
        <source>Group Text Color</source>
        <translation>Color del texto del grupo</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Seleccionar color</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Add Shortcut</source>
        <translation>Añadir acceso directo</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Shortcut type</source>
        <translation>Tipo de acceso directo</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>Ruta de la carpeta:</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation>Ruta de la carpeta</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Application Parameters:</source>
        <translation>Parámetros de la aplicación:</translation>
    </message>
    <message>
        <source>Application Parameters</source>
        <translation>Parámetros de la aplicación</translation>
    </message>
    <message>
        <source>Open As:</source>
        <translation>Abrir como:</translation>
    </message>
    <message>
        <source>Open As</source>
        <translation>Abrir como</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Color de la letra</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Seleccionar color</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Add Shortcut</source>
        <translation>Añadir acceso directo</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>Ruta de la carpeta:</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation>Ruta de la carpeta</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Color de la letra</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Seleccionar color</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Vantory</name>
    <message>
        <source>Select Application Shortcut File</source>
        <translation>Seleccionar lanzador</translation>
    </message>
    <message>
        <source>Application Shortcut Files (*.lnk)|*.lnk|</source>
        <translation>Lanzadores (*.lnk)|*.lnk|</translation>
    </message>
    <message>
        <source>Please select Categories</source>
        <translation>Seleccione una categoría.</translation>
    </message>
    <message>
        <source>You must select a group first to add.</source>
        <translation>Primero debe seleccionar el grupo en el que añadir.</translation>
    </message>
    <message>
        <source>Cannot add in the root group.</source>
        <translation>No se puede añadir en el grupo raíz.</translation>
    </message>
    <message>
        <source>You must select a group first to delete item.</source>
        <translation>Primero debe seleccionar un grupo para eliminar un elemento.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>¿Seguro que quiere eliminar «%1»?</translation>
    </message>
    <message>
        <source>Delete Application</source>
        <translation>Eliminar acceso directo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Minimized</source>
        <translation>Minimizada</translation>
    </message>
    <message>
        <source>Maximized</source>
        <translation>Maximizada</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>Ruta de la carpeta:</translation>
    </message>
    <message>
        <source>File Path:</source>
        <translation>Ruta del archivo:</translation>
    </message>
    <message>
        <source>URL Address:</source>
        <translation>Dirección web:</translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>Dirección de correo:</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Select Application File</source>
        <translation>Seleccionar archivo de la aplicación</translation>
    </message>
    <message>
        <source>Application Files (*.exe)|*.exe|</source>
        <translation>Aplicaciones (*.exe)|*.exe|</translation>
    </message>
    <message>
        <source>Field input too long.</source>
        <translation>El texto introducido es demasiado largo.</translation>
    </message>
    <message>
        <source>Please enter Caption</source>
        <translation>Introduzca un nombre.</translation>
    </message>
    <message>
        <source>Please enter Folder Path</source>
        <translation>Introduzca la ruta de la carpeta.</translation>
    </message>
    <message>
        <source>Please do not use quote marks.</source>
        <translation>No utilice comillas ni apóstrofos.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Editar acceso directo</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Seleccionar color</translation>
    </message>
    <message>
        <source>Caption already exists in [%1] group.</source>
        <translation>El nombre ya existe en el grupo [%1].</translation>
    </message>
    <message>
        <source>Caption already exists.</source>
        <translation>El nombre ya existe.</translation>
    </message>
    <message>
        <source>Always launch this entry</source>
        <translation>Abrir siempre este lanzador</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The file %1 already exists.</source>
        <translation>El archivo %1 ya existe.</translation>
    </message>
    <message>
        <source>The file %1 could not be copied to %2: %3</source>
        <translation>No se pudo copiar el archivo %1 en %2: %3</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>No se pudo leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file or folder &quot;%1&quot; could not be found.</source>
        <translation>No se encontró el archivo o la carpeta «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid address.</source>
        <translation>«%1» no es una dirección válida.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a file nor a folder, so Vantory does not open it.</source>
        <translation>«%1» no es un archivo ni una carpeta, por lo que Vantory no lo abre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a program.</source>
        <translation>«%1» es una carpeta, no un programa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a program, not a web address, so Vantory does not start it.</source>
        <translation>«%1» es un programa, no una dirección web, por lo que Vantory no lo inicia.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a file on another computer, so Vantory does not open it.</source>
        <translation>«%1» designa un archivo de otro equipo, por lo que Vantory no lo abre.</translation>
    </message>
    <message>
        <source>Vantory does not start &quot;%1&quot; because its parameters cannot be split into arguments: %2</source>
        <translation>Vantory no inicia «%1» porque sus parámetros no se pueden separar en argumentos: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address. Vantory opens addresses that start with http, https or ftp.</source>
        <translation>«%1» no es una dirección web. Vantory abre las direcciones que empiezan por http, https o ftp.</translation>
    </message>
    <message>
        <source>There is nothing to open: no file, folder or address was given.</source>
        <translation>No hay nada que abrir: no se indicó ningún archivo, carpeta ni dirección.</translation>
    </message>
    <message>
        <source>Find a shortcut</source>
        <translation>Buscar un acceso directo</translation>
    </message>
    <message>
        <source>Shortcuts found</source>
        <translation>Accesos directos encontrados</translation>
    </message>
    <message>
        <source>No shortcut matches.</source>
        <translation>Ningún acceso directo coincide.</translation>
    </message>
    <message>
        <source>1 shortcut found</source>
        <translation>1 acceso directo encontrado</translation>
    </message>
    <message>
        <source>%1 shortcuts found</source>
        <translation>%1 accesos directos encontrados</translation>
    </message>
    <message>
        <source>Database file does not exist. Please contact author for more info.</source>
        <translation>El archivo de la base de datos no existe. Póngase en contacto con el autor para obtener más información.</translation>
    </message>
    <message>
        <source>The catalogue %1 is not a regular file, so Vantory cannot open it. Move it out of the way and start Vantory again.</source>
        <translation>El catálogo %1 no es un archivo normal, por lo que Vantory no puede abrirlo. Muévalo a otro lugar y vuelva a iniciar Vantory.</translation>
    </message>
    <message>
        <source>Vantory could not back up the catalogue into %1.

%2

The catalogue itself is unchanged.</source>
        <translation>Vantory no pudo hacer una copia de seguridad del catálogo en %1.

%2

El catálogo en sí no ha cambiado.</translation>
    </message>
    <message>
        <source>

Vantory shows what can still be read.

</source>
        <translation>

Vantory muestra lo que todavía se puede leer.

</translation>
    </message>
    <message>
        <source>There is no sound backup of the catalogue in %1.</source>
        <translation>No hay ninguna copia de seguridad intacta del catálogo en %1.</translation>
    </message>
    <message>
        <source>The newest sound backup is %1.

Restore it now? The damaged catalogue is kept beside the backups.</source>
        <translation>La copia de seguridad intacta más reciente es %1.

¿Restaurarla ahora? El catálogo dañado se conserva junto a las copias de seguridad.</translation>
    </message>
    <message>
        <source>The backup %1 has been restored.</source>
        <translation>Se ha restaurado la copia de seguridad %1.</translation>
    </message>
    <message>
        <source> The catalogue as it was is kept as %1.</source>
        <translation> El catálogo tal como estaba se conserva como %1.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot;</source>
        <translation>La categoría «%1»</translation>
    </message>
    <message>
        <source>The shortcut &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>El acceso directo «%1» de «%2»</translation>
    </message>
    <message>
        <source>%1, which was not readable text, is now &quot;%2&quot;.</source>
        <translation>%1, que no era texto legible, ahora se llama «%2».</translation>
    </message>
    <message>
        <source>%1 is now &quot;%2&quot;.</source>
        <translation>%1 ahora se llama «%2».</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… y %1 más.</translation>
    </message>
    <message>
        <source>Some names in the catalogue could not be told apart, or were not readable text, so Vantory renamed them. The catalogue as it was is backed up as %1.

%2</source>
        <translation>Algunos nombres del catálogo no se podían distinguir entre sí o no eran texto legible, por lo que Vantory les ha cambiado el nombre. El catálogo tal como estaba se ha guardado como %1.

%2</translation>
    </message>
    <message>
        <source>Vantory could not rename the names in the catalogue that cannot be told apart.

%1

The catalogue is unchanged.</source>
        <translation>Vantory no pudo cambiar los nombres del catálogo que no se pueden distinguir.

%1

El catálogo no ha cambiado.</translation>
    </message>
    <message>
        <source>in %1 at line %2</source>
        <translation>en %1 en la línea %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envíe una captura de pantalla de este mensaje por correo electrónico a %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>Red %1, green %2, blue %3</source>
        <translation>Rojo %1, verde %2, azul %3</translation>
    </message>
    <message>
        <source>Group Name already exists.</source>
        <translation>El nombre del grupo ya existe.</translation>
    </message>
    <message>
        <source>Please input Group Name</source>
        <translation>Introduzca el nombre del grupo.</translation>
    </message>
    <message>
        <source>You must select a group to edit.</source>
        <translation>Debe seleccionar el grupo que quiere editar.</translation>
    </message>
    <message>
        <source>Cannot edit the selected root group</source>
        <translation>No se puede editar el grupo raíz.</translation>
    </message>
    <message>
        <source>You must select a group to delete.</source>
        <translation>Debe seleccionar el grupo que quiere eliminar.</translation>
    </message>
    <message>
        <source>You cannot delete the selected root group.</source>
        <translation>No puede eliminar el grupo raíz.</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Editar grupo</translation>
    </message>
    <message>
        <source>Select Background Image</source>
        <translation>Seleccionar imagen de fondo</translation>
    </message>
    <message>
        <source>Picture Files (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|</source>
        <translation>Imágenes (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|</translation>
    </message>
    <message>
        <source>Path does not exists.<byte value="xd"/>
Please check the path.</source>
        <translation>La ruta no existe.<byte value="xd"/>
Compruebe la ruta.</translation>
    </message>
    <message>
        <source>File does not exists.<byte value="xd"/>
Please check the file path.</source>
        <translation>El archivo no existe.<byte value="xd"/>
Compruebe la ruta del archivo.</translation>
    </message>
    <message>
        <source>Vantory cannot read the catalogue %1.

The newest sound backup is %2.

Restore it now? The catalogue as it is now is kept beside the backups.</source>
        <translation>Vantory no puede leer el catálogo %1.

La copia de seguridad intacta más reciente es %2.

¿Restaurarla ahora? El catálogo tal como está ahora se conserva junto a las copias de seguridad.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a desktop entry that is not installed on this computer. It starts this program:</source>
        <translation>«%1» es un lanzador que no está instalado en este equipo. Inicia este programa:</translation>
    </message>
    <message>
        <source>Launch it only if you trust where it came from.</source>
        <translation>Ábralo solo si confía en su procedencia.</translation>
    </message>
    <message>
        <source>the program %1 that the entry needs (TryExec) is not installed</source>
        <translation>el programa %1 que necesita el lanzador (TryExec) no está instalado</translation>
    </message>
    <message>
        <source>the entry names no command (Exec)</source>
        <translation>el lanzador no indica ninguna orden (Exec)</translation>
    </message>
    <message>
        <source>its command (Exec) cannot be split into words with the parameters in it: %1</source>
        <translation>su orden (Exec) no se puede dividir en palabras con los parámetros: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; asks the mail program to attach a file, so Vantory does not open it.</source>
        <translation>«%1» pide al programa de correo adjuntar un archivo, por eso Vantory no lo abre.</translation>
    </message>
    <message>
        <source>Keep in Step with a Folder…</source>
        <translation>Sincronizar mediante una carpeta…</translation>
    </message>
    <message>
        <source>Keep in Step with a Folder</source>
        <translation>Sincronizar mediante una carpeta</translation>
    </message>
    <message>
        <source>Stop Keeping in Step</source>
        <translation>Dejar de sincronizar</translation>
    </message>
    <message>
        <source>The settings cannot be saved.</source>
        <translation>No se pueden guardar los ajustes.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Kept in step through %1; not merged yet.</source>
        <translation>Sincronizado mediante %1; aún sin combinar.</translation>
    </message>
    <message>
        <source>Kept in step through %1. Last merged %2; no other computer has written there yet.</source>
        <translation>Sincronizado mediante %1. Última combinación %2; ningún otro equipo ha escrito allí todavía.</translation>
    </message>
    <message>
        <source>Kept in step through %1. Last merged %2 with %3.</source>
        <translation>Sincronizado mediante %1. Última combinación %2 con %3.</translation>
    </message>
    <message>
        <source>The folder %1, through which Vantory keeps the catalogue in step, is not there. Nothing was merged.</source>
        <translation>La carpeta %1, mediante la que Vantory sincroniza el catálogo, no existe. No se ha combinado nada.</translation>
    </message>
    <message>
        <source>Vantory could not merge the catalogue with %1.

%2</source>
        <translation>Vantory no pudo combinar el catálogo con %1.

%2</translation>
    </message>
    <message>
        <source>%1 comes from a newer Vantory and was not read. Update Vantory on this computer to merge it.</source>
        <translation>%1 procede de un Vantory más reciente y no se ha leído. Actualice Vantory en este equipo para combinarlo.</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged and was not read; nothing was taken from it.</source>
        <translation>%1 está incompleto o dañado y no se ha leído; no se ha tomado nada de él.</translation>
    </message>
    <message>
        <source>%1 cannot be read and was skipped.</source>
        <translation>%1 no se puede leer y se ha omitido.</translation>
    </message>
    <message>
        <source>Vantory could not start &quot;%1&quot;.</source>
        <translation>Vantory no pudo iniciar «%1».</translation>
    </message>
    <message>
        <source>Vantory could not start &quot;%1&quot;: %2</source>
        <translation>Vantory no pudo iniciar «%1»: %2</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1&quot;.</source>
        <translation>Ninguna aplicación está configurada para abrir «%1».</translation>
    </message>
    <message>
        <source>Vantory could not read the desktop entry &quot;%1&quot;.</source>
        <translation>Vantory no pudo leer la entrada de escritorio «%1».</translation>
    </message>
    <message>
        <source>it is not a desktop entry that describes an application</source>
        <translation>no es una entrada de escritorio que describa una aplicación</translation>
    </message>
    <message>
        <source>the application could not be started</source>
        <translation>no se pudo iniciar la aplicación</translation>
    </message>
    <message>
        <source>the desktop&apos;s application launcher could not be loaded: %1</source>
        <translation>no se pudo cargar el lanzador de aplicaciones del escritorio: %1</translation>
    </message>
    <message>
        <source>the desktop&apos;s application launcher lacks %1</source>
        <translation>al lanzador de aplicaciones del escritorio le falta %1</translation>
    </message>
    <message>
        <source>One more value in this category is not a number either.</source>
        <translation>Otro valor de esta categoría tampoco es un número.</translation>
    </message>
    <message>
        <source>%1 more values in this category are not numbers either.</source>
        <translation>Otros %1 valores de esta categoría tampoco son números.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is shown in the default colour. %2</source>
        <translation>La categoría «%1» se muestra en el color predeterminado. %2</translation>
    </message>
    <message>
        <source>One more category is shown in the default colour too.</source>
        <translation>Otra categoría también se muestra en el color predeterminado.</translation>
    </message>
    <message>
        <source>%1 more categories are shown in the default colour too.</source>
        <translation>Otras %1 categorías también se muestran en el color predeterminado.</translation>
    </message>
    <message>
        <source>The picture %1 could not be loaded: %2</source>
        <translation>No se pudo cargar la imagen %1: %2</translation>
    </message>
    <message>
        <source>The pointer file %1 could not be loaded.</source>
        <translation>No se pudo cargar el archivo de puntero %1.</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Vantory could not add the installed applications.

%1

The catalogue is unchanged.</source>
        <translation>Vantory no pudo añadir las aplicaciones instaladas.

%1

El catálogo no ha cambiado.</translation>
    </message>
    <message>
        <source>Vantory could not back up the catalogue into %1.

%2</source>
        <translation>Vantory no pudo hacer una copia de seguridad del catálogo en %1.

%2</translation>
    </message>
    <message>
        <source>Sound &amp; Video</source>
        <translation>Sonido y vídeo</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Educación</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>Oficina</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Ciencia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>System Tools</source>
        <translation>Herramientas del sistema</translation>
    </message>
    <message>
        <source>Accessories</source>
        <translation>Accesorios</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be changed now.</source>
        <translation>El catálogo %1 no se puede modificar ahora.</translation>
    </message>
    <message>
        <source>Nothing was added: every application of the desktop&apos;s menu is already in the catalogue.</source>
        <translation>No se añadió nada, porque todas las aplicaciones del menú del escritorio ya están en el catálogo.</translation>
    </message>
    <message>
        <source>%1 applications were added to the catalogue %2.</source>
        <translation>Se añadieron %1 aplicaciones al catálogo %2.</translation>
    </message>
    <message>
        <source>Vantory is running. Add the installed applications from the menu of the computer&apos;s name in its tree, or close it and try again. Nothing was changed.</source>
        <translation>Vantory se está ejecutando. Añada las aplicaciones instaladas desde el menú del nombre del equipo en su árbol, o ciérrelo e inténtelo de nuevo. No se cambió nada.</translation>
    </message>
    <message>
        <source>Add Installed Applications…</source>
        <translation>Añadir aplicaciones instaladas…</translation>
    </message>
    <message>
        <source>Add Installed Applications</source>
        <translation>Añadir aplicaciones instaladas</translation>
    </message>
    <message>
        <source>Reading the installed applications…</source>
        <translation>Leyendo las aplicaciones instaladas…</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>New applications</source>
        <translation>Aplicaciones nuevas</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The desktop&apos;s menu lists no applications.</source>
        <translation>El menú del escritorio no contiene aplicaciones.</translation>
    </message>
    <message>
        <source>Every application of the desktop&apos;s menu is already in the catalogue.</source>
        <translation>Todas las aplicaciones del menú del escritorio ya están en el catálogo.</translation>
    </message>
    <message>
        <source>Choose the menu categories to add. Each becomes a category of the catalogue, with a shortcut to each application it does not hold yet.</source>
        <translation>Elija las categorías del menú que desea añadir. Cada una pasa a ser una categoría del catálogo, con un acceso directo a cada aplicación que aún no contiene.</translation>
    </message>
    <message>
        <source>Find a Shortcut</source>
        <translation>Buscar un acceso directo</translation>
    </message>
    <message>
        <source>Vantory gave up waiting for &quot;%1&quot;: the disk or network folder that holds it did not answer in time. Nothing was opened.</source>
        <translation>Vantory dejó de esperar a «%1»: el disco o la carpeta de red que lo contiene no respondió a tiempo. No se abrió nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link. Vantory does not write through links, so it leaves the file alone and keeps what belongs there only until it closes.</source>
        <translation>«%1» es un enlace simbólico. Vantory no escribe a través de enlaces, así que deja el archivo intacto y guarda lo que iría en él solo hasta cerrarse.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>The catalogue file %1 is read-only. Vantory shows it, but cannot save changes.</source>
        <translation>El archivo de catálogo %1 es de solo lectura. Vantory lo muestra, pero no puede guardar cambios.</translation>
    </message>
    <message>
        <source>The folder %1 that holds the catalogue is read-only. Vantory shows the catalogue, but cannot save changes.</source>
        <translation>La carpeta %1 que contiene el catálogo es de solo lectura. Vantory muestra el catálogo, pero no puede guardar cambios.</translation>
    </message>
    <message>
        <source>The shortcuts cannot be read: %1.</source>
        <translation>No se pueden leer los accesos directos: %1.</translation>
    </message>
    <message>
        <source>The catalogue could not be backed up to %1: %2.</source>
        <translation>No se pudo hacer una copia del catálogo en %1: %2.</translation>
    </message>
    <message>
        <source>The catalogue is damaged, so it was not backed up.</source>
        <translation>El catálogo está dañado, por eso no se hizo la copia.</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be made: %2.</source>
        <translation>No se puede crear la carpeta de copias %1: %2.</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be made: a file of that name is in the way.</source>
        <translation>No se puede crear la carpeta de copias %1: ya existe un archivo con ese nombre.</translation>
    </message>
    <message>
        <source>The catalogue file %1 cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo de catálogo %1: %2.</translation>
    </message>
    <message>
        <source>The catalogue %1 is in use by another running Vantory. Close the other Vantory and start this one again.</source>
        <translation>El catálogo %1 lo usa otro Vantory en marcha. Cierre el otro Vantory y vuelva a iniciar este.</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be locked: %2.</source>
        <translation>No se puede bloquear el catálogo %1: %2.</translation>
    </message>
    <message>
        <source>The folder of the catalogue is read-only, so the change was not saved.</source>
        <translation>La carpeta del catálogo es de solo lectura; el cambio no se guardó.</translation>
    </message>
    <message>
        <source>The catalogue file is read-only, so the change was not saved.</source>
        <translation>El archivo de catálogo es de solo lectura; el cambio no se guardó.</translation>
    </message>
    <message>
        <source>The catalogue is busy in another program. Please try again.</source>
        <translation>Otro programa está usando el catálogo. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The disk is full, so the change was not saved.</source>
        <translation>El disco está lleno; el cambio no se guardó.</translation>
    </message>
    <message>
        <source>Catalogue error: %1</source>
        <translation>Error del catálogo: %1</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: it is not a database file.</source>
        <translation>El archivo %1 no es un catálogo de Vantory: no es una base de datos.</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: %2</source>
        <translation>El archivo %1 no es un catálogo de Vantory: %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is busy in another program. Please try again.</source>
        <translation>Otro programa está usando el catálogo %1. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The catalogue file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo de catálogo %1: %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged. It is open read-only, so nothing can be changed and nothing makes the damage worse.</source>
        <translation>El catálogo %1 está dañado. Está abierto en solo lectura: nada se puede cambiar y nada empeora el daño.</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged. It is open read-only, so nothing can be changed and nothing makes the damage worse. The first problem found: %2</source>
        <translation>El catálogo %1 está dañado. Está abierto en solo lectura: nada se puede cambiar y nada empeora el daño. Primer problema encontrado: %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 does not exist.</source>
        <translation>El archivo de catálogo %1 no existe.</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: it is a folder.</source>
        <translation>El archivo %1 no es un catálogo de Vantory: es una carpeta.</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged and cannot be opened: %2</source>
        <translation>El catálogo %1 está dañado y no se puede abrir: %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged and cannot be read: %2</source>
        <translation>El catálogo %1 está dañado y no se puede leer: %2</translation>
    </message>
    <message>
        <source>The catalogue is damaged, so the change was not saved.</source>
        <translation>El catálogo está dañado; el cambio no se guardó.</translation>
    </message>
    <message>
        <source>The catalogue could not be kept as %1: %2. Nothing was restored.</source>
        <translation>No se pudo guardar el catálogo como %1: %2. No se restauró nada.</translation>
    </message>
    <message>
        <source>The catalogue could not be kept in %1: too many copies of the same name are there. Nothing was restored.</source>
        <translation>No se pudo guardar el catálogo en %1: hay demasiadas copias con el mismo nombre. No se restauró nada.</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be read: %2.</source>
        <translation>No se puede leer el catálogo %1: %2.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be restored: it is damaged or not a Vantory catalogue (%2). The catalogue is unchanged.</source>
        <translation>No se puede restaurar la copia %1: está dañada o no es un catálogo de Vantory (%2). El catálogo no ha cambiado.</translation>
    </message>
    <message>
        <source>The backup %1 is the catalogue itself.</source>
        <translation>La copia %1 es el propio catálogo.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be restored: %2. The catalogue is unchanged.</source>
        <translation>No se puede restaurar la copia %1: %2. El catálogo no ha cambiado.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written into %2: %3.</source>
        <translation>No se pudo escribir la copia %1 en %2: %3.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written into %2: %3. The catalogue as it was is kept as %4.</source>
        <translation>No se pudo escribir la copia %1 en %2: %3. El catálogo anterior se guarda como %4.</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3).</source>
        <translation>La copia %1 no se escribió entera en %2 (%3).</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3). The catalogue as it was is back in place, and also kept as %4.</source>
        <translation>La copia %1 no se escribió entera en %2 (%3). El catálogo anterior vuelve a su sitio y también se guarda como %4.</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3). The catalogue as it was could not be put back (%4): it is kept as %5.</source>
        <translation>La copia %1 no se escribió entera en %2 (%3). El catálogo anterior no pudo volver a su sitio (%4): se guarda como %5.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; in column %2 is not a number.</source>
        <translation>El valor «%1» de la columna %2 no es un número.</translation>
    </message>
    <message>
        <source>The value %1 in column %2 is too large.</source>
        <translation>El valor %1 de la columna %2 es demasiado grande.</translation>
    </message>
    <message>
        <source>Column %1 holds no value.</source>
        <translation>La columna %1 no contiene ningún valor.</translation>
    </message>
    <message>
        <source>The value in column %1 is not a number.</source>
        <translation>El valor de la columna %1 no es un número.</translation>
    </message>
    <message>
        <source>The catalogue is not open.</source>
        <translation>El catálogo no está abierto.</translation>
    </message>
</context>
</TS>
