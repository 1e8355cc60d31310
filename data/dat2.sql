-- Report database: the load tickets and the three numbered report archives.

-- The ticket number is given by the store, always increasing, never reused after a delete.
CREATE TABLE "RelCarga" (
    "codigo_cupom" INTEGER PRIMARY KEY AUTOINCREMENT,
    "data_emissao" DATE,
    "hora_emissao" TIME,
    "nome_traco" TEXT,
    "quant_carga" INTEGER,
    "responsavel" TEXT,
    "placa" TEXT,
    "temp_traco1" DOUBLE,
    "temp_traco2" DOUBLE,
    "temp_traco3" DOUBLE,
    "temp_traco4" DOUBLE,
    "temp_traco5" DOUBLE,
    "Media1" DOUBLE,
    "Media2" DOUBLE,
    "Media3" DOUBLE,
    "Media4" DOUBLE,
    "Media5" DOUBLE,
    "Material1" TEXT,
    "Material2" TEXT,
    "Material3" TEXT,
    "Material4" TEXT,
    "Material5" TEXT,
    "Temp_Min1" DOUBLE,
    "Temp_Min2" DOUBLE,
    "Temp_Min3" DOUBLE,
    "Temp_Min4" DOUBLE,
    "Temp_Min5" DOUBLE,
    "Temp_Max1" DOUBLE,
    "Temp_Max2" DOUBLE,
    "Temp_Max3" DOUBLE,
    "Temp_Max4" DOUBLE,
    "Temp_Max5" DOUBLE,
    "Lim_Min1" DOUBLE,
    "Lim_Min2" DOUBLE,
    "Lim_Min3" DOUBLE,
    "Lim_Min4" DOUBLE,
    "Lim_Min5" DOUBLE,
    "Lim_Max1" DOUBLE,
    "Lim_Max2" DOUBLE,
    "Lim_Max3" DOUBLE,
    "Lim_Max4" DOUBLE,
    "Lim_Max5" DOUBLE
);
-- The plate and temperature reports select tickets by date range.
CREATE INDEX "RelCarga_por_data" ON "RelCarga" ("data_emissao");

-- Report rows keep the number and the figures as text ("00000000", "###0.00"), as they were printed.
CREATE TABLE "RelProducao" (
    "Num" TEXT,
    "Data_emissão" DATE,
    "Hora_emissão" TIME,
    "Nome_traco" TEXT,
    "Prod" TEXT,
    "DataSelecao" TEXT,
    "item" SMALLINT
);

CREATE TABLE "RelConMat" (
    "Num" TEXT,
    "Data_emissão" DATE,
    "Hora_emissão" TIME,
    "Nome_traco" TEXT,
    "Silo1" TEXT,
    "Silo2" TEXT,
    "Silo3" TEXT,
    "Silo4" TEXT,
    "CAP" TEXT,
    "Filler" TEXT,
    "Fibra" TEXT,
    "Fresado" TEXT,
    "Malteno" TEXT,
    "DataSelecao" TEXT,
    "item" SMALLINT
);

CREATE TABLE "RelPlacas" (
    "Num" TEXT,
    "Data_emissão" DATE,
    "Hora_emissão" TIME,
    "NumPlaca" TEXT,
    "NumCargas" TEXT,
    "SomaProducao" TEXT,
    "DataSelecao" TEXT,
    "item" SMALLINT
);

-- Each report numbers itself from the last stored row: report 0 starts the archives.
INSERT INTO "RelProducao" ("Num", "Data_emissão", "Hora_emissão", "Nome_traco", "Prod", "DataSelecao", "item")
VALUES ('00000000', '2025-01-01', '08:00:00', 'CBUQ FAIXA C', '0,00', '01/01/25 ate 01/01/25', 1);

INSERT INTO "RelConMat" ("Num", "Data_emissão", "Hora_emissão", "Nome_traco", "Silo1", "Silo2", "Silo3", "Silo4",
                         "CAP", "Filler", "Fibra", "Fresado", "Malteno", "DataSelecao", "item")
VALUES ('00000000', '2025-01-01', '08:00:00', 'CBUQ FAIXA C', '0,00', '0,00', '0,00', '0,00',
        '0,00', '0,00', '0,00', '0,00', '0,00', '01/01/25 ate 01/01/25', 1);

INSERT INTO "RelPlacas" ("Num", "Data_emissão", "Hora_emissão", "NumPlaca", "NumCargas", "SomaProducao",
                         "DataSelecao", "item")
VALUES ('00000000', '2025-01-01', '08:00:00', 's/placa', '0', '0,00', '01/01/25 ate 01/01/25', 1);
