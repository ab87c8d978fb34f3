-- kockazat_tempintezked: scratch table of the action plan, emptied and refilled at each action-plan print
CREATE TABLE kockazat_tempintezked (
  kockazat_tempintezked_kod serial PRIMARY KEY,  -- running number from 1, written by the action-plan build
  kockazat_tempintezked_tkod integer,  -- the analysis (kockazat_elemzes_kod); no foreign key: stale scratch rows must not block deleting an analysis
  szulo varchar(15),
  ertek varchar(15),
  melyseg smallint,
  sorszam smallint,
  sorszamszov varchar(40),
  szoveg text,  -- parent's heading + ' - ' + the point's own heading
  engedely varchar(1),
  szuloszov varchar(30),
  eszrevetel text,
  javaslat text,
  felelos varchar(80),
  datum_hatarido date,
  kovetkezmeny smallint,
  valoszinuseg smallint,
  gyakorisag smallint,
  intezkedes varchar(200),
  sullyozas smallint,
  kritikussag varchar(2),
  hataridoszov varchar(30),
  nyomtathato boolean
);
CREATE INDEX kockazat_tempintezked_tkod_idx ON kockazat_tempintezked (kockazat_tempintezked_tkod);
