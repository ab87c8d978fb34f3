-- karbantartas_jkpont: tasks of a maintenance plan, copied from the template, with performer and operating hours
CREATE TABLE karbantartas_jkpont (
  karbantartas_jkpont_kod serial PRIMARY KEY,
  karbantartas_jkpont_jkod integer REFERENCES karbantartas_jk (karbantartas_jk_kod),  -- the plan
  sorszam smallint,  -- task number
  sorszamszov varchar(40),  -- task number as sortable text
  szoveg varchar(150),  -- the task
  naponta boolean,  -- due daily
  hetente boolean,  -- due weekly
  havonta boolean,  -- due monthly
  felevente boolean,  -- due half-yearly
  evente boolean,  -- due yearly
  szuksegszerint boolean,  -- due as needed
  vegezte varchar(50),  -- who performs it
  uzemora varchar(20),  -- operating hours
  nyomtathato boolean,  -- printable mark
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX karbantartas_jkpont_jkod_idx ON karbantartas_jkpont (karbantartas_jkpont_jkod);
