-- Translation database: one row per interface text, keyed by the Portuguese text exactly as the program
-- passes it (blanks count), one column per language. The rows come from lingua.tsv.
CREATE TABLE "lingua" (
    "texto" TEXT PRIMARY KEY COLLATE PTNOCASE,
    "portugues" TEXT,
    "espanhol" TEXT,
    "ingles" TEXT,
    "italiano" TEXT,
    "frances" TEXT,
    "alemao" TEXT
);
