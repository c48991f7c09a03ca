-- Stem-branch tables and BaZi texts.
CREATE TABLE hzwh (hz TEXT, wh TEXT);
CREATE TABLE Shishen (jiazi TEXT PRIMARY KEY, ShiShen TEXT);
CREATE TABLE jiazi (jiazi TEXT PRIMARY KEY, layin TEXT);
CREATE TABLE sjrs (wh TEXT, sj TEXT, sjrs TEXT);
CREATE TABLE qtbj (tg TEXT, dz TEXT, content TEXT);
