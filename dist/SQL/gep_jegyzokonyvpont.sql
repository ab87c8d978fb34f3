-- gep_jegyzokonyvpont: points of an inspection protocol, copied from the template and evaluated one by one
CREATE TABLE gep_jegyzokonyvpont (
  gep_jegyzokonyvpont_kod serial PRIMARY KEY,  -- key order is the point order
  gep_jegyzokonyvpont_jkod integer,  -- owning protocol (gep_jegyzokonyv_kod)
  focsop varchar(15),  -- heading point: its own number; empty for an item
  ertek varchar(15),  -- number of the parent point
  kozosp varchar(15),  -- item point: parent number + ".#"; empty for a heading
  sor integer,  -- position among siblings
  cimkenev text,  -- wording of the point
  sorszam varchar(15),  -- point number followed by ".", e.g. "2.3."
  jogszab varchar(10),  -- legal reference kind: "szabvány" or "jogszabály"
  jogszabszam varchar(50),  -- legal reference: number
  jogszabszov varchar(250),  -- legal reference: title
  jogszabnev varchar(250),  -- legal reference: number + " " + title
  jogszabpont varchar(80),  -- legal reference: cited section
  vizsgm varchar(40),  -- way of checking
  ertekeles varchar(20),  -- "Megfelelt", "Nem felelt meg" or "Adathiány"
  nyomtathato boolean,  -- the point is printed
  hiba text,  -- description of the fault of a failed point
  c_userid varchar(20),  -- user who inserted the row
  c_date date,  -- date of insert
  c_time varchar(10),  -- time of insert, as text
  m_userid varchar(20),  -- user who changed the row last
  m_date date,  -- date of last change
  m_time varchar(10),  -- time of last change, as text
  CONSTRAINT gep_jegyzokonyvpont_jkod_fkey FOREIGN KEY (gep_jegyzokonyvpont_jkod) REFERENCES gep_jegyzokonyv (gep_jegyzokonyv_kod)
);
CREATE INDEX gep_jegyzokonyvpont_jkod_idx ON gep_jegyzokonyvpont (gep_jegyzokonyvpont_jkod);
