-- Notes, QQ pairing texts, almanac days and surname origins.
CREATE TABLE Noter (Cid TEXT PRIMARY KEY, Tite TEXT, content TEXT);
CREATE TABLE QQpd (bihua TEXT, intro TEXT);
CREATE TABLE huangdao (gn TEXT PRIMARY KEY, nn TEXT, suici TEXT, tszf TEXT, wuhang TEXT,
                       cong TEXT, pzbj TEXT, jsyq TEXT, yi TEXT, xsyq TEXT, ji TEXT);
CREATE TABLE xing (id INTEGER PRIMARY KEY, xingl TEXT, intro TEXT);
CREATE INDEX xing_name ON xing(xingl);
