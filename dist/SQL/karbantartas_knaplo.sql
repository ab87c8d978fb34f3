-- karbantartas_knaplo: maintenance log (karbantartási napló): maintenance events performed on a machine of a partner site
-- The machine key references gep_munkaeszkoz, so the server refuses to delete a machine
-- that still has log entries (the machine register relies on that refusal).
CREATE TABLE karbantartas_knaplo (
  karbantartas_knaplo_kod serial PRIMARY KEY,
  karbantartas_knaplo_pkod integer,  -- partner of the working context
  karbantartas_knaplo_tkod integer,  -- site of the working context
  karbantartas_knaplo_gkod integer REFERENCES gep_munkaeszkoz (gep_munkaeszkoz_kod),  -- the machine
  fajtaja varchar(20),  -- kind: "tervszerű", "időszakos", "meghibásodás utáni", "egyéb"
  tipus varchar(60),  -- type: "Ellenőrzés" ... "Nagyjavítás"
  kelthely varchar(60),  -- place of issue
  datum_kezd date,  -- start
  datum_vege date,  -- end
  vegezte varchar(50),  -- maintenance worker
  vbeosztas varchar(40),  -- post of the maintenance worker
  megjegyzes text,  -- short description of the work
  uzemora_osszes varchar(20),  -- total operating hours
  uzemora_lefutott varchar(20),  -- operating hours elapsed
  gepkezelo varchar(50),  -- machine operator
  eszlelthiba varchar(150),  -- fault found
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX karbantartas_knaplo_context_idx ON karbantartas_knaplo (karbantartas_knaplo_pkod, karbantartas_knaplo_tkod);
CREATE INDEX karbantartas_knaplo_gkod_idx ON karbantartas_knaplo (karbantartas_knaplo_gkod);
