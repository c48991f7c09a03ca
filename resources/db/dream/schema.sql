-- Bone weights and phone-number readings.
CREATE TABLE chenggu1 (year TEXT PRIMARY KEY, weight REAL);
CREATE TABLE chenggu2 (month2 TEXT PRIMARY KEY, weight REAL);
CREATE TABLE chenggu3 (day2 TEXT PRIMARY KEY, weight REAL);
CREATE TABLE chenggu4 (time TEXT PRIMARY KEY, weight REAL);
CREATE TABLE chenggu (weight TEXT PRIMARY KEY, content TEXT, content2 TEXT);
CREATE TABLE shouji (num TEXT PRIMARY KEY, title TEXT, jx TEXT, content TEXT);
