-- Character dictionary and stroke-combination scores.
CREATE TABLE word (
  id INTEGER PRIMARY KEY,   -- row number
  zi TEXT NOT NULL,         -- simplified character
  ft TEXT,                  -- traditional form (one character)
  bh INTEGER,               -- stroke count used by name numerology
  px INTEGER,               -- rank; smaller is preferred in names
  nan INTEGER,              -- 1: suits a boy's name
  nv INTEGER,               -- 1: suits a girl's name
  xb TEXT,                  -- sex class: 男, 女, 0 or 1
  wuhang TEXT,              -- element: 金 木 水 火 土
  Aflag TEXT,               -- NULL only for characters fit for generated names
  pinyin TEXT,              -- toneless reading: in names for a name character, else the common one
  duyin TEXT                -- the same reading with its tone mark (晟 shèng, 乐 lè)
);
CREATE INDEX word_zi ON word(zi);
CREATE INDEX word_ft ON word(ft);
CREATE INDEX word_bh ON word(bh);
-- Meanings of the name characters, written for the naming window's explanations.
CREATE TABLE ziyi (
  zi TEXT PRIMARY KEY,      -- simplified character of the name set
  yi TEXT NOT NULL,         -- short gloss, at most about 24 characters
  shuoming TEXT             -- a sentence or two for the popular characters, else NULL
);
-- Readings of surnames as surnames (曾 zēng, 单 shàn, 尉迟 yù chí) and the element of
-- each character by that reading; changjian 1 for the hundred commonest surnames.
CREATE TABLE xingdu (
  xing TEXT PRIMARY KEY,    -- the surname, one or two characters
  pinyin TEXT NOT NULL,     -- toneless syllables separated by blanks
  duyin TEXT NOT NULL,      -- the same with tone marks
  wuhang TEXT,              -- one element per character
  changjian INTEGER         -- 1: one of the hundred commonest surnames
);
-- Unlucky or ridiculous words that a proposed name must not sound like.
CREATE TABLE xieyin (
  ci TEXT NOT NULL,         -- the word
  duyin TEXT NOT NULL,      -- tone-marked syllables separated by blanks
  lei TEXT                  -- kind of word (illness, insult ...)
);
-- Name characters whose doubled form (婷婷) is a usual girl's name.
CREATE TABLE diezi (
  zi TEXT PRIMARY KEY
);
-- How a name character reads in the name of a child born now (resources/names/era.tsv).
CREATE TABLE shidai (
  zi TEXT PRIMARY KEY,      -- simplified character of the name set
  era TEXT,                 -- 旧: dated (父辈、祖辈的名字), 新: fresh and current, else empty
  lean TEXT                 -- 男/女: a both-sex character that reads masculine in a girl's name
                            -- (男) or feminine in a boy's (女), else empty
);
CREATE TABLE zh (
  lx INTEGER,               -- 11, 12, 21 or 22
  bh11 INTEGER, bh12 INTEGER, bh21 INTEGER, bh22 INTEGER,
  zf INTEGER,               -- score, rounded half up
  xb TEXT,                  -- 男, 女 or 0
  jxjx INTEGER              -- grade class, smaller is better
);
CREATE INDEX zh_strokes ON zh(bh11, bh12, bh21, bh22);
CREATE INDEX zh_kind ON zh(lx, bh11, bh12);
-- Lines of 诗经 and 楚辞, the sources of the names drawn from the classics.
CREATE TABLE jingdian (
  id INTEGER PRIMARY KEY,   -- order of the books, poems and lines
  shu TEXT NOT NULL,        -- book: 诗经 or 楚辞
  shou INTEGER NOT NULL,    -- poem number within the book, from 1
  pian TEXT NOT NULL,       -- part as citations write it (周南, 小雅, 九歌); empty for a piece alone
  ti TEXT NOT NULL,         -- title of the poem
  ju TEXT NOT NULL          -- the line, one sentence
);
CREATE INDEX jingdian_shu ON jingdian(shu);
