-- baleset_tanulo: pupil accidents (diákbaleset) at an educational institution (a partner site)
-- The institution's and the pupil's data are copies taken at entry; the accident stays
-- when the pupil's row is gone, so baleset_tanulo_dkod has no foreign key to dolgozo.
-- Drop-down texts are stored whole, including the tab character some items end in.
CREATE TABLE baleset_tanulo (
  baleset_tanulo_kod serial PRIMARY KEY,
  baleset_tanulo_pkod integer,  -- partner (the institution) of the working context
  baleset_tanulo_tkod integer,  -- site of the working context
  baleset_tanulo_dkod integer,  -- the injured pupil (dolgozo_kod)
  nyilvantartas varchar(10),  -- registration number
  datum_nyilvantart date,  -- date of registration
  teruletikod varchar(40),  -- county code, "01 - Budapest (főváros)" ...
  adatszjelleg varchar(20),  -- nature of the data supply: "1 - Új" or "2 - Módosító"
  fenntarto varchar(40),  -- maintainer of the institution
  -- institution, copied from partner and telephely
  pnev varchar(80),
  pisz varchar(4),
  ptelepules varchar(60),
  pcim varchar(80),
  pvezeto varchar(60),  -- head of the institution
  tnev varchar(80),
  tisz varchar(4),
  ttelepules varchar(60),
  tcim varchar(80),
  ptelefon varchar(60),
  -- injured pupil, copied from dolgozo
  dnev varchar(50),
  dszuletes_hely varchar(60),
  ddatum_szuletes date,
  danyjaneve varchar(50),
  disz varchar(4),
  dtelepules varchar(60),
  dcim varchar(80),
  dhsz varchar(3),
  depulet varchar(3),
  dlh varchar(3),
  demelet varchar(3),
  dajto varchar(3),
  dneme varchar(10),
  dszuletesinev varchar(50),  -- type chosen: birth name, as dszuletesinev of baleset2013
  dtelefon varchar(60),  -- type chosen: telephone, as dtelefon of baleset2013
  -- the accident
  datum_baleset date,
  ido24 varchar(2),  -- hour of the day, 24-hour
  balesetmert varchar(20),  -- severity: "1 - Nem súlyos", "2 - Súlyos ", "3 - Halálos"
  serultszemelyek varchar(2),  -- number of injured persons
  hanyadikoraban varchar(2),  -- lesson hour in which it happened
  balesetnapja varchar(15),  -- day of the week: "1 - Hétfő" ... "7 - Vasárnap"
  tartozkodas varchar(40),  -- status of the pupil at the institution
  tartozkodas_egyeb varchar(40),
  mikortortent varchar(40),  -- when it happened
  mikortortent_egyeb varchar(40),
  balesethelyszin varchar(40),  -- scene of the accident
  balesethelyszin_egyeb varchar(40),
  balesetoka varchar(40),  -- causes
  balesetoka_egyeb varchar(40),
  baleset_leirasa text,  -- description of the accident
  intezkedes text,  -- measures taken
  megjegyzes text,  -- remarks
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX baleset_tanulo_context_idx ON baleset_tanulo (baleset_tanulo_pkod, baleset_tanulo_tkod);
CREATE INDEX baleset_tanulo_dkod_idx ON baleset_tanulo (baleset_tanulo_dkod);
