-- SPDX-License-Identifier: GPL-3.0-or-later
-- The two tables of a Vantory catalogue.
--
-- Vantory replaces NOCASE on its own connection with a collation that ignores case for every
-- letter, while the sqlite3 shell and other tools use SQLite's built-in NOCASE, which folds only
-- A to Z. An index built under one and searched under the other finds the wrong rows, so there
-- are no indexes here, and no primary keys or unique constraints on text (those make indexes).

CREATE TABLE tblGroups (
    groupcaption     TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    groupdescription TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    backgroundimage  TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    grouptextcolor   INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tblItems (
    groupcaption    TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    itemcaption     TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    itemdescription TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    itempath        TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    itemparameter   TEXT COLLATE NOCASE NOT NULL DEFAULT '',
    itemtype        INTEGER NOT NULL DEFAULT 0,
    itemtextcolor   INTEGER NOT NULL DEFAULT 0,
    openas          INTEGER NOT NULL DEFAULT 0
);
