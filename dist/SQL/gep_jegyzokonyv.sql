-- gep_jegyzokonyv: inspection protocols (vizsgálati jegyzőkönyv): one safety inspection of one machine
-- The machine key is a foreign key: the machine register relies on the server
-- refusing to delete a machine that still has protocols.
CREATE TABLE gep_jegyzokonyv (
  gep_jegyzokonyv_kod serial PRIMARY KEY,  -- register number ("Nyilv. szám")
  gep_jegyzokonyv_pkod integer,  -- partner (working context)
  gep_jegyzokonyv_tkod integer,  -- site (working context)
  gep_jegyzokonyv_gkod integer,  -- machine (gep_munkaeszkoz_kod)
  gepfocsop varchar(40),  -- machine's main group, copied at creation
  gepnev varchar(60),  -- machine's name, copied at creation
  nev varchar(60),  -- protocol name
  tipus varchar(80),  -- inspection type, copied from the template
  fajta varchar(80),  -- inspection kind, copied from the template
  kelthely varchar(60),  -- place of issue
  datum_keltido date,  -- date of issue
  datum_vizsgkezdete date,  -- start of the inspection
  datum_vizsgvege date,  -- end of the inspection
  datum_mviuzem date,  -- date of commissioning from the safety point of view
  korulmenyei varchar(80),  -- circumstances of the inspection
  uzmkorulm varchar(80),  -- operating circumstances
  megjegyzes text,  -- remarks of the evaluation
  vizsgvegezte varchar(50),  -- inspector's name
  beosztas varchar(40),  -- inspector's certificate number
  dok_adatok boolean,  -- document present: technical data
  dok_leiras boolean,  -- document present: technical description
  dok_kezelesi boolean,  -- document present: operating instructions
  dok_uzembehelyez boolean,  -- document present: commissioning instructions
  dok_karbantartas boolean,  -- document present: maintenance instructions
  dok_minoseg boolean,  -- document present: quality certificates
  dok_hatosag boolean,  -- document present: official permits
  dok_megfelel boolean,  -- document present: declaration of conformity
  erintesvedelem varchar(30),  -- number of the touch-protection protocol
  mh_nyilvszam varchar(20),  -- Defence Forces register number
  mh_lapszam varchar(3),  -- pages per copy
  mh_peldany varchar(3),  -- number of copies
  mh_aktpeldany varchar(3),  -- number of this copy
  mh_itsz varchar(10),  -- filing number
  mh_ugyintezo varchar(50),  -- clerk
  mh_kapjak text,  -- distribution list
  c_userid varchar(20),  -- user who inserted the row
  c_date date,  -- date of insert
  c_time varchar(10),  -- time of insert, as text
  m_userid varchar(20),  -- user who changed the row last
  m_date date,  -- date of last change
  m_time varchar(10),  -- time of last change, as text
  CONSTRAINT gep_jegyzokonyv_gkod_fkey FOREIGN KEY (gep_jegyzokonyv_gkod) REFERENCES gep_munkaeszkoz (gep_munkaeszkoz_kod)
);
CREATE INDEX gep_jegyzokonyv_context_idx ON gep_jegyzokonyv (gep_jegyzokonyv_pkod, gep_jegyzokonyv_tkod);
CREATE INDEX gep_jegyzokonyv_gkod_idx ON gep_jegyzokonyv (gep_jegyzokonyv_gkod);
