-- SPDX-License-Identifier: MIT
-- The administration tables. Run inside the target database; every
-- statement ends with ";" at the end of a line (the test harness splits there).

CREATE TABLE IF NOT EXISTS configuracionplusvaliasdb (
  IDCONFIGURACIONPLUSVALIAS INT NOT NULL AUTO_INCREMENT,
  ANODEVENGO INT NOT NULL,
  TIPOGRAVAMEN DECIMAL(9,4) NOT NULL,
  FINTRAMO1 INT NOT NULL,
  FINTRAMO2 INT NOT NULL,
  FINTRAMO3 INT NOT NULL,
  TIPOTRAMO1 DECIMAL(9,4) NOT NULL,
  TIPOTRAMO2 DECIMAL(9,4) NOT NULL,
  TIPOTRAMO3 DECIMAL(9,4) NOT NULL,
  TIPOTRAMO4 DECIMAL(9,4) NOT NULL,
  COEFICIENTEREDUCTOR107 DECIMAL(9,4) NOT NULL,
  PRIMARY KEY (IDCONFIGURACIONPLUSVALIAS),
  -- Two rows for one year would make that year's parameters ambiguous.
  UNIQUE KEY uq_anodevengo (ANODEVENGO)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS calendarioinhabildb (
  fechainhabil DATE NOT NULL,
  anoinhabil INT NOT NULL,
  PRIMARY KEY (fechainhabil),
  KEY ix_anoinhabil (anoinhabil)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

CREATE TABLE IF NOT EXISTS notariosdb (
  idnotario INT NOT NULL AUTO_INCREMENT,
  nombrenotario VARCHAR(255) NOT NULL,
  PRIMARY KEY (idnotario),
  KEY ix_nombrenotario (nombrenotario)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_spanish_ci;
