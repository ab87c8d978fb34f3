-- kockazat_pszelemzes: psychosocial examinations of a partner's site (pszichoszociális vizsgálat)
CREATE TABLE kockazat_pszelemzes (
  kockazat_pszelemzes_kod serial PRIMARY KEY,
  kockazat_pszelemzes_pkod integer, -- partner
  kockazat_pszelemzes_tkod integer, -- site
  kockazat_pszelemzes_dkod integer, -- employee key from the legacy-data conversion; no foreign key, the converted keys need not exist in dolgozo
  sorszam integer, -- running number of the examinations of the site
  nev varchar(80), -- examination name, starts as the template's name
  kelthely varchar(40), -- place of issue
  datum_kelt date, -- date of issue
  datum_ujvizsg date, -- next review
  vegezte varchar(40), -- examining physician
  beosztas varchar(40), -- the physician's position
  vegeztemv varchar(40), -- examining safety specialist
  beosztasmv varchar(40), -- the safety specialist's position
  dolgozonev varchar(60), -- employee name, typed
  munkakor varchar(40), -- job or activity
  letszam varchar(3), -- number of persons concerned
  javaslat text, -- proposal, formatted text
  printdolgozo boolean, -- print the employee name
  printszoveg boolean, -- leave the general text out of the print
  jeloles boolean, -- included in the risk evaluation currently selected
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_pszelemzes_context_idx ON kockazat_pszelemzes (kockazat_pszelemzes_pkod, kockazat_pszelemzes_tkod);
