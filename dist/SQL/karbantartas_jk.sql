-- karbantartas_jk: maintenance plans (gépkarbantartási terv): a template applied to one machine of a partner site
-- The machine key references gep_munkaeszkoz, so the server refuses to delete a machine
-- that still has maintenance plans (the machine register relies on that refusal).
CREATE TABLE karbantartas_jk (
  karbantartas_jk_kod serial PRIMARY KEY,
  karbantartas_jk_pkod integer,  -- partner of the working context
  karbantartas_jk_tkod integer,  -- site of the working context
  karbantartas_jk_gkod integer REFERENCES gep_munkaeszkoz (gep_munkaeszkoz_kod),  -- the machine
  minta_nev varchar(100),  -- name of the template used
  gep_nev varchar(60),  -- machine name, copied
  gep_gyartasiszam varchar(40),  -- machine serial number, copied
  kelthely varchar(60),  -- place of issue
  datum_keltido date,  -- date of issue
  vegezte varchar(50),  -- prepared by
  vbeosztas varchar(40),  -- post of the preparer
  jovahagyta varchar(50),  -- approved by
  jbeosztas varchar(40),  -- post of the approver
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX karbantartas_jk_context_idx ON karbantartas_jk (karbantartas_jk_pkod, karbantartas_jk_tkod);
CREATE INDEX karbantartas_jk_gkod_idx ON karbantartas_jk (karbantartas_jk_gkod);
