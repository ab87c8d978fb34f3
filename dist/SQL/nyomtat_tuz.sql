-- nyomtat_tuz: fire-safety data of a partner site (tűzriadó terv), one row per partner and site
CREATE TABLE nyomtat_tuz (
  nyomtat_tuz_kod serial PRIMARY KEY,
  nyomtat_tuz_pkod integer,  -- partner of the working context
  nyomtat_tuz_tkod integer,  -- site of the working context
  jelzes varchar(255),  -- how fire is signalled
  ertesitendok varchar(255),  -- persons to notify
  kelthely varchar(60),  -- place of issue
  datum_kelt date,  -- date of issue
  elhagyas text,  -- how the facility is left
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX nyomtat_tuz_context_idx ON nyomtat_tuz (nyomtat_tuz_pkod, nyomtat_tuz_tkod);
