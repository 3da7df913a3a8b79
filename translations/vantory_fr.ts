<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Form1</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Shortcuts To Applications, Folders, URLs or E-mail Addresses</source>
        <translation>Raccourcis vers des applications, des dossiers, des adresses web ou des adresses électroniques</translation>
    </message>
    <message>
        <source>Launch Selected (Ctrl+L)</source>
        <translation>Lancer la sélection (Ctrl+L)</translation>
    </message>
    <message>
        <source>Add Shortcut By EXE</source>
        <translation>Ajouter un programme</translation>
    </message>
    <message>
        <source>Add Shortcut By .lnk</source>
        <translation>Ajouter depuis un lanceur</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Edit Selected</source>
        <translation>Modifier la sélection</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Add Group</source>
        <translation>Ajouter un groupe</translation>
    </message>
    <message>
        <source>Group Name:</source>
        <translation>Nom du groupe :</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Nom du groupe</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Background Image:</source>
        <translation>Image d’arrière-plan :</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Image d’arrière-plan</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Select Background Image</source>
        <translation>Choisir l’image d’arrière-plan</translation>
    </message>
    <message>
        <source>Group Text Color:</source>
        <translation>Couleur du texte du groupe :</translation>
    </message>
    <message>
        <source>Group Text Color</source>
        <translation>Couleur du texte du groupe</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Add Shortcut</source>
        <translation>Ajouter un raccourci</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Shortcut type</source>
        <translation>Type de raccourci</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Libellé :</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>Chemin du dossier :</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation>Chemin du dossier</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Application Parameters:</source>
        <translation>Paramètres de l’application :</translation>
    </message>
    <message>
        <source>Application Parameters</source>
        <translation>Paramètres de l’application</translation>
    </message>
    <message>
        <source>Open As:</source>
        <translation>Ouvrir en :</translation>
    </message>
    <message>
        <source>Open As</source>
        <translation>Ouvrir en</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur de la police</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Add Shortcut</source>
        <translation>Ajouter un raccourci</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Libellé :</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>Chemin du dossier :</translation>
    </message>
    <message>
        <source>Folder Path</source>
        <translation>Chemin du dossier</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur de la police</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Vantory</name>
    <message>
        <source>Select Application Shortcut File</source>
        <translation>Choisir un lanceur</translation>
    </message>
    <message>
        <source>Application Shortcut Files (*.lnk)|*.lnk|</source>
        <translation>Lanceurs (*.lnk)|*.lnk|</translation>
    </message>
    <message>
        <source>Please select Categories</source>
        <translation>Veuillez choisir une catégorie.</translation>
    </message>
    <message>
        <source>You must select a group first to add.</source>
        <translation>Choisissez d’abord le groupe dans lequel ajouter.</translation>
    </message>
    <message>
        <source>Cannot add in the root group.</source>
        <translation>Impossible d’ajouter dans le groupe racine.</translation>
    </message>
    <message>
        <source>You must select a group first to delete item.</source>
        <translation>Choisissez d’abord un groupe pour en supprimer un élément.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Voulez-vous vraiment supprimer « %1 » ?</translation>
    </message>
    <message>
        <source>Delete Application</source>
        <translation>Supprimer le raccourci</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Minimized</source>
        <translation>Réduite</translation>
    </message>
    <message>
        <source>Maximized</source>
        <translation>Agrandie</translation>
    </message>
    <message>
        <source>Folder Path:</source>
        <translation>Chemin du dossier :</translation>
    </message>
    <message>
        <source>File Path:</source>
        <translation>Chemin du fichier :</translation>
    </message>
    <message>
        <source>URL Address:</source>
        <translation>Adresse web :</translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>Adresse électronique :</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Select Application File</source>
        <translation>Choisir le fichier de l’application</translation>
    </message>
    <message>
        <source>Application Files (*.exe)|*.exe|</source>
        <translation>Applications (*.exe)|*.exe|</translation>
    </message>
    <message>
        <source>Field input too long.</source>
        <translation>La saisie est trop longue.</translation>
    </message>
    <message>
        <source>Please enter Caption</source>
        <translation>Veuillez saisir un libellé.</translation>
    </message>
    <message>
        <source>Please enter Folder Path</source>
        <translation>Veuillez saisir le chemin du dossier.</translation>
    </message>
    <message>
        <source>Please do not use quote marks.</source>
        <translation>Veuillez ne pas utiliser d’apostrophes ni de guillemets.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Modifier le raccourci</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <source>Caption already exists in [%1] group.</source>
        <translation>Ce libellé existe déjà dans le groupe [%1].</translation>
    </message>
    <message>
        <source>Caption already exists.</source>
        <translation>Ce libellé existe déjà.</translation>
    </message>
    <message>
        <source>Always launch this entry</source>
        <translation>Toujours lancer ce lanceur</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>The file %1 already exists.</source>
        <translation>Le fichier %1 existe déjà.</translation>
    </message>
    <message>
        <source>The file %1 could not be copied to %2: %3</source>
        <translation>Impossible de copier le fichier %1 vers %2 : %3</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Impossible de lire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The file or folder &quot;%1&quot; could not be found.</source>
        <translation>Le fichier ou dossier « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid address.</source>
        <translation>« %1 » n’est pas une adresse valide.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a file nor a folder, so Vantory does not open it.</source>
        <translation>« %1 » n’est ni un fichier ni un dossier, Vantory ne l’ouvre donc pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a program.</source>
        <translation>« %1 » est un dossier, pas un programme.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a program, not a web address, so Vantory does not start it.</source>
        <translation>« %1 » est un programme, pas une adresse web, Vantory ne le démarre donc pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a file on another computer, so Vantory does not open it.</source>
        <translation>« %1 » désigne un fichier sur un autre ordinateur, Vantory ne l’ouvre donc pas.</translation>
    </message>
    <message>
        <source>Vantory does not start &quot;%1&quot; because its parameters cannot be split into arguments: %2</source>
        <translation>Vantory ne démarre pas « %1 », car ses paramètres ne peuvent pas être découpés en arguments : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address. Vantory opens addresses that start with http, https or ftp.</source>
        <translation>« %1 » n’est pas une adresse web. Vantory ouvre les adresses qui commencent par http, https ou ftp.</translation>
    </message>
    <message>
        <source>There is nothing to open: no file, folder or address was given.</source>
        <translation>Rien à ouvrir : aucun fichier, dossier ou adresse n’a été indiqué.</translation>
    </message>
    <message>
        <source>Find a shortcut</source>
        <translation>Rechercher un raccourci</translation>
    </message>
    <message>
        <source>Shortcuts found</source>
        <translation>Raccourcis trouvés</translation>
    </message>
    <message>
        <source>No shortcut matches.</source>
        <translation>Aucun raccourci ne correspond.</translation>
    </message>
    <message>
        <source>1 shortcut found</source>
        <translation>1 raccourci trouvé</translation>
    </message>
    <message>
        <source>%1 shortcuts found</source>
        <translation>%1 raccourcis trouvés</translation>
    </message>
    <message>
        <source>Database file does not exist. Please contact author for more info.</source>
        <translation>Le fichier de base de données n’existe pas. Veuillez contacter l’auteur pour en savoir plus.</translation>
    </message>
    <message>
        <source>The catalogue %1 is not a regular file, so Vantory cannot open it. Move it out of the way and start Vantory again.</source>
        <translation>Le catalogue %1 n’est pas un fichier ordinaire, Vantory ne peut donc pas l’ouvrir. Déplacez-le ailleurs et relancez Vantory.</translation>
    </message>
    <message>
        <source>Vantory could not back up the catalogue into %1.

%2

The catalogue itself is unchanged.</source>
        <translation>Vantory n’a pas pu sauvegarder le catalogue dans %1.

%2

Le catalogue lui-même est inchangé.</translation>
    </message>
    <message>
        <source>

Vantory shows what can still be read.

</source>
        <translation>

Vantory affiche ce qui peut encore être lu.

</translation>
    </message>
    <message>
        <source>There is no sound backup of the catalogue in %1.</source>
        <translation>Il n’y a aucune sauvegarde intacte du catalogue dans %1.</translation>
    </message>
    <message>
        <source>The newest sound backup is %1.

Restore it now? The damaged catalogue is kept beside the backups.</source>
        <translation>La sauvegarde intacte la plus récente est %1.

La restaurer maintenant ? Le catalogue endommagé est conservé à côté des sauvegardes.</translation>
    </message>
    <message>
        <source>The backup %1 has been restored.</source>
        <translation>La sauvegarde %1 a été restaurée.</translation>
    </message>
    <message>
        <source> The catalogue as it was is kept as %1.</source>
        <translation> Le catalogue tel qu’il était est conservé sous %1.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot;</source>
        <translation>La catégorie « %1 »</translation>
    </message>
    <message>
        <source>The shortcut &quot;%1&quot; in &quot;%2&quot;</source>
        <translation>Le raccourci « %1 » dans « %2 »</translation>
    </message>
    <message>
        <source>%1, which was not readable text, is now &quot;%2&quot;.</source>
        <translation>%1, qui n’était pas un texte lisible, s’appelle désormais « %2 ».</translation>
    </message>
    <message>
        <source>%1 is now &quot;%2&quot;.</source>
        <translation>%1 s’appelle désormais « %2 ».</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… et %1 de plus.</translation>
    </message>
    <message>
        <source>Some names in the catalogue could not be told apart, or were not readable text, so Vantory renamed them. The catalogue as it was is backed up as %1.

%2</source>
        <translation>Certains noms du catalogue ne pouvaient pas être distingués les uns des autres ou n’étaient pas un texte lisible ; Vantory les a donc renommés. Le catalogue tel qu’il était est sauvegardé sous %1.

%2</translation>
    </message>
    <message>
        <source>Vantory could not rename the names in the catalogue that cannot be told apart.

%1

The catalogue is unchanged.</source>
        <translation>Vantory n’a pas pu renommer les noms du catalogue impossibles à distinguer.

%1

Le catalogue est inchangé.</translation>
    </message>
    <message>
        <source>in %1 at line %2</source>
        <translation>dans %1 à la ligne %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Veuillez envoyer une capture d’écran de ce message par courriel à %1</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
    <message>
        <source>Red %1, green %2, blue %3</source>
        <translation>Rouge %1, vert %2, bleu %3</translation>
    </message>
    <message>
        <source>Group Name already exists.</source>
        <translation>Ce nom de groupe existe déjà.</translation>
    </message>
    <message>
        <source>Please input Group Name</source>
        <translation>Veuillez saisir un nom de groupe.</translation>
    </message>
    <message>
        <source>You must select a group to edit.</source>
        <translation>Choisissez le groupe à modifier.</translation>
    </message>
    <message>
        <source>Cannot edit the selected root group</source>
        <translation>Impossible de modifier le groupe racine.</translation>
    </message>
    <message>
        <source>You must select a group to delete.</source>
        <translation>Choisissez le groupe à supprimer.</translation>
    </message>
    <message>
        <source>You cannot delete the selected root group.</source>
        <translation>Vous ne pouvez pas supprimer le groupe racine.</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Modifier le groupe</translation>
    </message>
    <message>
        <source>Select Background Image</source>
        <translation>Choisir l’image d’arrière-plan</translation>
    </message>
    <message>
        <source>Picture Files (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|</source>
        <translation>Images (*.bmp;*.jpg;*.gif)|*.bmp;*.jpg;*.gif|</translation>
    </message>
    <message>
        <source>Path does not exists.<byte value="xd"/>
Please check the path.</source>
        <translation>Le chemin n’existe pas.<byte value="xd"/>
Veuillez vérifier le chemin.</translation>
    </message>
    <message>
        <source>File does not exists.<byte value="xd"/>
Please check the file path.</source>
        <translation>Le fichier n’existe pas.<byte value="xd"/>
Veuillez vérifier le chemin du fichier.</translation>
    </message>
    <message>
        <source>Vantory cannot read the catalogue %1.

The newest sound backup is %2.

Restore it now? The catalogue as it is now is kept beside the backups.</source>
        <translation>Vantory ne peut pas lire le catalogue %1.

La sauvegarde intacte la plus récente est %2.

La restaurer maintenant ? Le catalogue tel qu’il est maintenant est conservé à côté des sauvegardes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a desktop entry that is not installed on this computer. It starts this program:</source>
        <translation>« %1 » est un lanceur qui n’est pas installé sur cet ordinateur. Il démarre ce programme :</translation>
    </message>
    <message>
        <source>Launch it only if you trust where it came from.</source>
        <translation>Ne le lancez que si vous avez confiance en sa provenance.</translation>
    </message>
    <message>
        <source>the program %1 that the entry needs (TryExec) is not installed</source>
        <translation>le programme %1 dont le lanceur a besoin (TryExec) n’est pas installé</translation>
    </message>
    <message>
        <source>the entry names no command (Exec)</source>
        <translation>le lanceur ne nomme aucune commande (Exec)</translation>
    </message>
    <message>
        <source>its command (Exec) cannot be split into words with the parameters in it: %1</source>
        <translation>sa commande (Exec) ne peut pas être découpée en mots avec les paramètres : %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; asks the mail program to attach a file, so Vantory does not open it.</source>
        <translation>« %1 » demande au logiciel de messagerie de joindre un fichier, Vantory ne l’ouvre donc pas.</translation>
    </message>
    <message>
        <source>Keep in Step with a Folder…</source>
        <translation>Synchroniser via un dossier…</translation>
    </message>
    <message>
        <source>Keep in Step with a Folder</source>
        <translation>Synchroniser via un dossier</translation>
    </message>
    <message>
        <source>Stop Keeping in Step</source>
        <translation>Arrêter la synchronisation</translation>
    </message>
    <message>
        <source>The settings cannot be saved.</source>
        <translation>Les paramètres ne peuvent pas être enregistrés.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>Kept in step through %1; not merged yet.</source>
        <translation>Synchronisé via %1 ; pas encore fusionné.</translation>
    </message>
    <message>
        <source>Kept in step through %1. Last merged %2; no other computer has written there yet.</source>
        <translation>Synchronisé via %1. Dernière fusion %2 ; aucun autre ordinateur n’y a encore écrit.</translation>
    </message>
    <message>
        <source>Kept in step through %1. Last merged %2 with %3.</source>
        <translation>Synchronisé via %1. Dernière fusion %2 avec %3.</translation>
    </message>
    <message>
        <source>The folder %1, through which Vantory keeps the catalogue in step, is not there. Nothing was merged.</source>
        <translation>Le dossier %1, par lequel Vantory synchronise le catalogue, est introuvable. Rien n’a été fusionné.</translation>
    </message>
    <message>
        <source>Vantory could not merge the catalogue with %1.

%2</source>
        <translation>Vantory n’a pas pu fusionner le catalogue avec %1.

%2</translation>
    </message>
    <message>
        <source>%1 comes from a newer Vantory and was not read. Update Vantory on this computer to merge it.</source>
        <translation>%1 provient d’un Vantory plus récent et n’a pas été lu. Mettez Vantory à jour sur cet ordinateur pour le fusionner.</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged and was not read; nothing was taken from it.</source>
        <translation>%1 est tronqué ou endommagé et n’a pas été lu ; rien n’en a été repris.</translation>
    </message>
    <message>
        <source>%1 cannot be read and was skipped.</source>
        <translation>%1 ne peut pas être lu et a été ignoré.</translation>
    </message>
    <message>
        <source>Vantory could not start &quot;%1&quot;.</source>
        <translation>Vantory n’a pas pu démarrer « %1 ».</translation>
    </message>
    <message>
        <source>Vantory could not start &quot;%1&quot;: %2</source>
        <translation>Vantory n’a pas pu démarrer « %1 » : %2</translation>
    </message>
    <message>
        <source>No application is set up to open &quot;%1&quot;.</source>
        <translation>Aucune application n’est configurée pour ouvrir « %1 ».</translation>
    </message>
    <message>
        <source>Vantory could not read the desktop entry &quot;%1&quot;.</source>
        <translation>Vantory n’a pas pu lire l’entrée de bureau « %1 ».</translation>
    </message>
    <message>
        <source>it is not a desktop entry that describes an application</source>
        <translation>ce n’est pas une entrée de bureau décrivant une application</translation>
    </message>
    <message>
        <source>the application could not be started</source>
        <translation>l’application n’a pas pu être démarrée</translation>
    </message>
    <message>
        <source>the desktop&apos;s application launcher could not be loaded: %1</source>
        <translation>le lanceur d’applications du bureau n’a pas pu être chargé : %1</translation>
    </message>
    <message>
        <source>the desktop&apos;s application launcher lacks %1</source>
        <translation>il manque %1 au lanceur d’applications du bureau</translation>
    </message>
    <message>
        <source>One more value in this category is not a number either.</source>
        <translation>Une autre valeur de cette catégorie n’est pas non plus un nombre.</translation>
    </message>
    <message>
        <source>%1 more values in this category are not numbers either.</source>
        <translation>%1 autres valeurs de cette catégorie ne sont pas non plus des nombres.</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; is shown in the default colour. %2</source>
        <translation>La catégorie « %1 » est affichée dans la couleur par défaut. %2</translation>
    </message>
    <message>
        <source>One more category is shown in the default colour too.</source>
        <translation>Une autre catégorie est aussi affichée dans la couleur par défaut.</translation>
    </message>
    <message>
        <source>%1 more categories are shown in the default colour too.</source>
        <translation>%1 autres catégories sont aussi affichées dans la couleur par défaut.</translation>
    </message>
    <message>
        <source>The picture %1 could not be loaded: %2</source>
        <translation>L’image %1 n’a pas pu être chargée : %2</translation>
    </message>
    <message>
        <source>The pointer file %1 could not be loaded.</source>
        <translation>Le fichier de pointeur %1 n’a pas pu être chargé.</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Vantory could not add the installed applications.

%1

The catalogue is unchanged.</source>
        <translation>Vantory n’a pas pu ajouter les applications installées.

%1

Le catalogue n’a pas changé.</translation>
    </message>
    <message>
        <source>Vantory could not back up the catalogue into %1.

%2</source>
        <translation>Vantory n’a pas pu sauvegarder le catalogue dans %1.

%2</translation>
    </message>
    <message>
        <source>Sound &amp; Video</source>
        <translation>Son et vidéo</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Éducation</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphisme</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Office</source>
        <translation>Bureautique</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Science</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>System Tools</source>
        <translation>Outils système</translation>
    </message>
    <message>
        <source>Accessories</source>
        <translation>Accessoires</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be changed now.</source>
        <translation>Le catalogue %1 ne peut pas être modifié maintenant.</translation>
    </message>
    <message>
        <source>Nothing was added: every application of the desktop&apos;s menu is already in the catalogue.</source>
        <translation>Rien n’a été ajouté, car toutes les applications du menu du bureau sont déjà dans le catalogue.</translation>
    </message>
    <message>
        <source>%1 applications were added to the catalogue %2.</source>
        <translation>%1 applications ont été ajoutées au catalogue %2.</translation>
    </message>
    <message>
        <source>Vantory is running. Add the installed applications from the menu of the computer&apos;s name in its tree, or close it and try again. Nothing was changed.</source>
        <translation>Vantory est en cours d’exécution. Ajoutez les applications installées depuis le menu du nom de l’ordinateur dans son arbre, ou fermez-le et réessayez. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>Add Installed Applications…</source>
        <translation>Ajouter les applications installées…</translation>
    </message>
    <message>
        <source>Add Installed Applications</source>
        <translation>Ajouter les applications installées</translation>
    </message>
    <message>
        <source>Reading the installed applications…</source>
        <translation>Lecture des applications installées…</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>New applications</source>
        <translation>Nouvelles applications</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The desktop&apos;s menu lists no applications.</source>
        <translation>Le menu du bureau ne contient aucune application.</translation>
    </message>
    <message>
        <source>Every application of the desktop&apos;s menu is already in the catalogue.</source>
        <translation>Toutes les applications du menu du bureau sont déjà dans le catalogue.</translation>
    </message>
    <message>
        <source>Choose the menu categories to add. Each becomes a category of the catalogue, with a shortcut to each application it does not hold yet.</source>
        <translation>Choisissez les catégories du menu à ajouter. Chacune devient une catégorie du catalogue, avec un raccourci vers chaque application qu’il ne contient pas encore.</translation>
    </message>
    <message>
        <source>Find a Shortcut</source>
        <translation>Rechercher un raccourci</translation>
    </message>
    <message>
        <source>Vantory gave up waiting for &quot;%1&quot;: the disk or network folder that holds it did not answer in time. Nothing was opened.</source>
        <translation>Vantory a cessé d’attendre « %1 » : le disque ou le dossier réseau qui le contient n’a pas répondu à temps. Rien n’a été ouvert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a symbolic link. Vantory does not write through links, so it leaves the file alone and keeps what belongs there only until it closes.</source>
        <translation>« %1 » est un lien symbolique. Vantory n’écrit pas à travers les liens : il laisse ce fichier intact et ne garde ce qui devait s’y trouver que jusqu’à sa fermeture.</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>il est trop volumineux</translation>
    </message>
    <message>
        <source>The catalogue file %1 is read-only. Vantory shows it, but cannot save changes.</source>
        <translation>Le fichier catalogue %1 est en lecture seule. Vantory l’affiche, mais ne peut pas enregistrer les modifications.</translation>
    </message>
    <message>
        <source>The folder %1 that holds the catalogue is read-only. Vantory shows the catalogue, but cannot save changes.</source>
        <translation>Le dossier %1 qui contient le catalogue est en lecture seule. Vantory affiche le catalogue, mais ne peut pas enregistrer les modifications.</translation>
    </message>
    <message>
        <source>The shortcuts cannot be read: %1.</source>
        <translation>Impossible de lire les raccourcis : %1.</translation>
    </message>
    <message>
        <source>The catalogue could not be backed up to %1: %2.</source>
        <translation>Impossible de sauvegarder le catalogue dans %1 : %2.</translation>
    </message>
    <message>
        <source>The catalogue is damaged, so it was not backed up.</source>
        <translation>Le catalogue est endommagé, il n’a donc pas été sauvegardé.</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be made: %2.</source>
        <translation>Impossible de créer le dossier de sauvegarde %1 : %2.</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be made: a file of that name is in the way.</source>
        <translation>Impossible de créer le dossier de sauvegarde %1 : un fichier de ce nom existe déjà.</translation>
    </message>
    <message>
        <source>The catalogue file %1 cannot be opened: %2.</source>
        <translation>Impossible d’ouvrir le fichier catalogue %1 : %2.</translation>
    </message>
    <message>
        <source>The catalogue %1 is in use by another running Vantory. Close the other Vantory and start this one again.</source>
        <translation>Le catalogue %1 est utilisé par un autre Vantory en cours. Fermez l’autre Vantory, puis relancez celui-ci.</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be locked: %2.</source>
        <translation>Impossible de verrouiller le catalogue %1 : %2.</translation>
    </message>
    <message>
        <source>The folder of the catalogue is read-only, so the change was not saved.</source>
        <translation>Le dossier du catalogue est en lecture seule, la modification n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The catalogue file is read-only, so the change was not saved.</source>
        <translation>Le fichier catalogue est en lecture seule, la modification n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The catalogue is busy in another program. Please try again.</source>
        <translation>Le catalogue est occupé par un autre programme. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The disk is full, so the change was not saved.</source>
        <translation>Le disque est plein, la modification n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Catalogue error: %1</source>
        <translation>Erreur du catalogue : %1</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: it is not a database file.</source>
        <translation>Le fichier %1 n’est pas un catalogue Vantory : ce n’est pas une base de données.</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: %2</source>
        <translation>Le fichier %1 n’est pas un catalogue Vantory : %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is busy in another program. Please try again.</source>
        <translation>Le catalogue %1 est occupé par un autre programme. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The catalogue file %1 cannot be read: %2</source>
        <translation>Impossible de lire le fichier catalogue %1 : %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged. It is open read-only, so nothing can be changed and nothing makes the damage worse.</source>
        <translation>Le catalogue %1 est endommagé. Il est ouvert en lecture seule : rien ne peut être modifié, rien n’aggrave les dégâts.</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged. It is open read-only, so nothing can be changed and nothing makes the damage worse. The first problem found: %2</source>
        <translation>Le catalogue %1 est endommagé. Il est ouvert en lecture seule : rien ne peut être modifié, rien n’aggrave les dégâts. Premier problème trouvé : %2</translation>
    </message>
    <message>
        <source>The catalogue file %1 does not exist.</source>
        <translation>Le fichier catalogue %1 n’existe pas.</translation>
    </message>
    <message>
        <source>The file %1 is not a Vantory catalogue: it is a folder.</source>
        <translation>Le fichier %1 n’est pas un catalogue Vantory : c’est un dossier.</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged and cannot be opened: %2</source>
        <translation>Le catalogue %1 est endommagé et ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>The catalogue %1 is damaged and cannot be read: %2</source>
        <translation>Le catalogue %1 est endommagé et ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The catalogue is damaged, so the change was not saved.</source>
        <translation>Le catalogue est endommagé, la modification n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The catalogue could not be kept as %1: %2. Nothing was restored.</source>
        <translation>Impossible de conserver le catalogue sous %1 : %2. Rien n’a été restauré.</translation>
    </message>
    <message>
        <source>The catalogue could not be kept in %1: too many copies of the same name are there. Nothing was restored.</source>
        <translation>Impossible de conserver le catalogue dans %1 : trop de copies du même nom s’y trouvent. Rien n’a été restauré.</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be read: %2.</source>
        <translation>Impossible de lire le catalogue %1 : %2.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be restored: it is damaged or not a Vantory catalogue (%2). The catalogue is unchanged.</source>
        <translation>Impossible de restaurer la sauvegarde %1 : elle est endommagée ou n’est pas un catalogue Vantory (%2). Le catalogue est inchangé.</translation>
    </message>
    <message>
        <source>The backup %1 is the catalogue itself.</source>
        <translation>La sauvegarde %1 est le catalogue lui-même.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be restored: %2. The catalogue is unchanged.</source>
        <translation>Impossible de restaurer la sauvegarde %1 : %2. Le catalogue est inchangé.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written into %2: %3.</source>
        <translation>Impossible d’écrire la sauvegarde %1 dans %2 : %3.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written into %2: %3. The catalogue as it was is kept as %4.</source>
        <translation>Impossible d’écrire la sauvegarde %1 dans %2 : %3. L’ancien catalogue est conservé sous %4.</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3).</source>
        <translation>La sauvegarde %1 n’a pas été écrite entière dans %2 (%3).</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3). The catalogue as it was is back in place, and also kept as %4.</source>
        <translation>La sauvegarde %1 n’a pas été écrite entière dans %2 (%3). L’ancien catalogue est remis en place et aussi conservé sous %4.</translation>
    </message>
    <message>
        <source>The backup %1 was not written into %2 whole (%3). The catalogue as it was could not be put back (%4): it is kept as %5.</source>
        <translation>La sauvegarde %1 n’a pas été écrite entière dans %2 (%3). L’ancien catalogue n’a pas pu être remis en place (%4) : il est conservé sous %5.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; in column %2 is not a number.</source>
        <translation>La valeur « %1 » de la colonne %2 n’est pas un nombre.</translation>
    </message>
    <message>
        <source>The value %1 in column %2 is too large.</source>
        <translation>La valeur %1 de la colonne %2 est trop grande.</translation>
    </message>
    <message>
        <source>Column %1 holds no value.</source>
        <translation>La colonne %1 ne contient aucune valeur.</translation>
    </message>
    <message>
        <source>The value in column %1 is not a number.</source>
        <translation>La valeur de la colonne %1 n’est pas un nombre.</translation>
    </message>
    <message>
        <source>The catalogue is not open.</source>
        <translation>Le catalogue n’est pas ouvert.</translation>
    </message>
</context>
</TS>
