-- Run-time log database: one row per logged error, in the order they happened.
CREATE TABLE "Tblerro" (
    "Data" DATE,
    "Hora" TIME,
    "Num do erro" INTEGER,
    "Erro" TEXT,
    "Forma" TEXT,
    "Elemento" TEXT
);
