-- Production database: production records, mixes, the bits table, users and the totals row.
-- Tables without a key field of their own keep their rows in the order they were added (rowid).

CREATE TABLE "Tabela" (
    "usuario" TEXT,
    "fase" SMALLINT,
    "DATA" DATE,
    "hora" TIME,
    "receita" TEXT,
    "producao" DOUBLE,
    "sil1" TEXT,
    "sil2" TEXT,
    "sil3" TEXT,
    "sil4" TEXT,
    "sil5" TEXT,
    "silo1" DOUBLE,
    "silo2" DOUBLE,
    "silo3" DOUBLE,
    "silo4" DOUBLE,
    "silo5" DOUBLE,
    "h_silo1" DOUBLE,
    "h_silo2" DOUBLE,
    "h_silo3" DOUBLE,
    "h_silo4" DOUBLE,
    "h_silo5" DOUBLE,
    "p_silo1" DOUBLE,
    "p_silo2" DOUBLE,
    "p_silo3" DOUBLE,
    "p_silo4" DOUBLE,
    "p_silo5" DOUBLE,
    "vel_s1" DOUBLE,
    "vel_s2" DOUBLE,
    "vel_s3" DOUBLE,
    "vel_s4" DOUBLE,
    "vel_s5" DOUBLE,
    "tot_s1" DOUBLE,
    "tot_s2" DOUBLE,
    "tot_s3" DOUBLE,
    "tot_s4" DOUBLE,
    "tot_s5" DOUBLE,
    "asfalto" DOUBLE,
    "filler" DOUBLE,
    "malteno" DOUBLE,
    "par_asf" DOUBLE,
    "par_fil" DOUBLE,
    "par_fibra" DOUBLE,
    "par_malt" DOUBLE,
    "parcial" DOUBLE,
    "diaria" DOUBLE,
    "total" DOUBLE,
    "Temp1" DOUBLE,
    "Temp2" DOUBLE,
    "Temp3" DOUBLE,
    "Temp4" DOUBLE,
    "Temp5" DOUBLE,
    "Ocorrencias" TEXT
);
-- The export and the reports select production records by date range, ordered by date and time.
CREATE INDEX "Tabela_por_data" ON "Tabela" ("DATA", "hora");
-- The production and materials reports add up a long range mix by mix along this index alone, without
-- reading the rows themselves.
CREATE INDEX "Tabela_por_traco" ON "Tabela" ("receita", "DATA", "parcial", "tot_s1", "tot_s2", "tot_s3", "tot_s4",
                                             "tot_s5", "par_asf", "par_fil", "par_fibra", "par_malt");

CREATE TABLE "alt_mist" (
    "mistura" TEXT PRIMARY KEY COLLATE PTNOCASE,
    "producao_o" DOUBLE,
    "quantdd1" DOUBLE,
    "quantdd2" DOUBLE,
    "quantdd3" DOUBLE,
    "quantdd4" DOUBLE,
    "quantdd5" DOUBLE,
    "asfalto" DOUBLE,
    "filler" DOUBLE,
    "malteno" DOUBLE,
    "fibra" DOUBLE,
    "tempo_asf" DOUBLE,
    "tempo_fill" DOUBLE,
    "tempo_malt" DOUBLE,
    "tempo_fibra" DOUBLE,
    "silo 1" TEXT,
    "silo 2" TEXT,
    "silo 3" TEXT,
    "silo 4" TEXT,
    "silo 5" TEXT
);

-- Opened with the other tables; the program reads and writes none of its fields.
CREATE TABLE "bits" ("valor" SMALLINT);

-- "permissao" is stored as text ("1" to "3"): the logins read it back as the level text.
CREATE TABLE "senhas" (
    "login1" TEXT PRIMARY KEY COLLATE PTNOCASE,
    "senha1" TEXT,
    "permissao" TEXT
);

CREATE TABLE "totalizador" (
    "par_diaria" DOUBLE,
    "total" DOUBLE,
    "datatot" DATE
);

-- One totals row, always updated in place; an old date, so the first start begins a new day.
INSERT INTO "totalizador" ("par_diaria", "total", "datatot") VALUES (0, 0, '2025-01-01');

-- The mixes: silos 1 to 4 with asphalt, filler and fibre add up to 100 %; silo 5 is the recycled share.
INSERT INTO "alt_mist" ("mistura", "producao_o", "quantdd1", "quantdd2", "quantdd3", "quantdd4", "quantdd5",
                        "asfalto", "filler", "malteno", "fibra",
                        "tempo_asf", "tempo_fill", "tempo_malt", "tempo_fibra",
                        "silo 1", "silo 2", "silo 3", "silo 4", "silo 5")
VALUES ('CBUQ FAIXA C', 150, 32, 28, 20, 12, 15, 5.5, 2.5, 2, 0, 12, 8, 10, 0,
        'Brita 1', 'Brita 0', 'Pedrisco', 'Pó de pedra', 'Fresado'),
       ('SMA 0/11', 120, 40, 30, 12, 5, 0, 6.5, 6, 0, 0.5, 12, 8, 0, 15,
        'Brita 1', 'Brita 0', 'Pedrisco', 'Pó de pedra', 'Fresado');

-- User maintenance opens only for a level-3 user: the protected built-in one. Its password, "kremo",
-- is stored as every password is, hashed (Argon2id, with its salt and cost in the text).
INSERT INTO "senhas" ("login1", "senha1", "permissao")
VALUES ('kremo', '$argon2id$v=19$m=32768,t=2,p=1$rIX8nR8MN1k9klWuQ0gPag$mwI8j6lTDX+7/uLa1Hxt4NFDhGo9hHXg0sP1sFoa6f4', '3');
