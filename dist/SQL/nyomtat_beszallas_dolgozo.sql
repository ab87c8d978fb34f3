-- nyomtat_beszallas_dolgozo: people allowed to enter under a confined-space entry permit
CREATE TABLE nyomtat_beszallas_dolgozo (
  nyomtat_beszallas_dolgozo_kod serial PRIMARY KEY,
  nyomtat_beszallas_dolgozo_pkod integer,  -- partner of the working context
  nyomtat_beszallas_dolgozo_tkod integer,  -- site of the working context
  nyomtat_beszallas_dolgozo_bkod integer REFERENCES nyomtat_beszallas (nyomtat_beszallas_kod),  -- the permit
  dolgozonev varchar(60),  -- name
  dolgozobeosztas varchar(60),  -- job
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX nyomtat_beszallas_dolgozo_context_idx ON nyomtat_beszallas_dolgozo (nyomtat_beszallas_dolgozo_pkod, nyomtat_beszallas_dolgozo_tkod);
CREATE INDEX nyomtat_beszallas_dolgozo_bkod_idx ON nyomtat_beszallas_dolgozo (nyomtat_beszallas_dolgozo_bkod);
