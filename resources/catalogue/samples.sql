-- SPDX-License-Identifier: GPL-3.0-or-later
-- Sample categories and shortcuts for a new catalogue on a Debian desktop.
-- Kinds: 1 folder, 2 application, 3 web address, 4 e-mail address, 5 document.
-- Colours are red + 256 * green + 65536 * blue.

INSERT INTO tblGroups (groupcaption, groupdescription, backgroundimage, grouptextcolor) VALUES
    ('Web', 'Web sites about Debian, Qt and SQLite', '', 30 + 256 * 90 + 65536 * 200),
    ('Folders', 'Places on this computer worth knowing', '', 190 + 256 * 100 + 65536 * 0),
    ('Documents', 'Text files that come with the system', '', 20 + 256 * 130 + 65536 * 60),
    ('Mail', 'Write a message with your mail program', '', 130 + 256 * 50 + 65536 * 160),
    ('Tools', 'Programs that come with the desktop', '', 0 + 256 * 120 + 65536 * 130);

INSERT INTO tblItems (groupcaption, itemcaption, itemdescription, itempath, itemparameter,
                      itemtype, itemtextcolor, openas) VALUES
    ('Web', 'Debian', 'The Debian project home page', 'https://www.debian.org', '',
     3, 200 + 256 * 20 + 65536 * 80, 0),
    ('Web', 'Qt documentation', 'Reference for the Qt toolkit', 'https://doc.qt.io', '',
     3, 40 + 256 * 150 + 65536 * 40, 0),
    ('Web', 'SQLite', 'The SQLite database engine', 'https://www.sqlite.org', '',
     3, 0 + 256 * 80 + 65536 * 160, 0),
    ('Web', 'Wikipedia', 'The free encyclopedia', 'www.wikipedia.org', '',
     3, 90 + 256 * 90 + 65536 * 90, 0),

    ('Folders', 'Applications', 'Menu entries of the installed programs',
     '/usr/share/applications', '', 1, 190 + 256 * 100 + 65536 * 0, 0),
    ('Folders', 'Package documentation', 'Read-me files and change logs of every package',
     '/usr/share/doc', '', 1, 150 + 256 * 60 + 65536 * 20, 0),
    ('Folders', 'Temporary files', 'Scratch space, emptied when the computer restarts',
     '/tmp', '', 1, 110 + 256 * 110 + 65536 * 0, 0),
    ('Folders', 'Whole computer', 'The top of the file system', '/', '',
     1, 60 + 256 * 60 + 65536 * 60, 0),

    ('Documents', 'GNU GPL version 3', 'The licence of much of the software on this system',
     '/usr/share/common-licenses/GPL-3', '', 5, 20 + 256 * 130 + 65536 * 60, 0),
    ('Documents', 'Operating system release', 'Which Debian release this computer runs',
     '/etc/os-release', '', 5, 160 + 256 * 40 + 65536 * 40, 0),

    ('Mail', 'Vantory support', 'Questions and ideas about Vantory',
     'support@mellovan.example', '', 4, 130 + 256 * 50 + 65536 * 160, 0),

    ('Tools', 'Debian in the web browser', 'Opens the Debian home page with xdg-open',
     '/usr/bin/xdg-open', 'https://www.debian.org', 2, 0 + 256 * 120 + 65536 * 130, 0),
    ('Tools', 'Package documentation in the file manager', 'Opens /usr/share/doc with xdg-open',
     '/usr/bin/xdg-open', '/usr/share/doc', 2, 100 + 256 * 70 + 65536 * 150, 0),
    ('Tools', 'Terminal', 'The terminal chosen for this desktop',
     '/usr/bin/x-terminal-emulator', '', 2, 30 + 256 * 30 + 65536 * 30, 0);
