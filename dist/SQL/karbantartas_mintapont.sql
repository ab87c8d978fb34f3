-- karbantartas_mintapont: tasks of a maintenance plan template, with their due frequencies
CREATE TABLE karbantartas_mintapont (
  karbantartas_mintapont_kod serial PRIMARY KEY,
  karbantartas_mintapont_tkod integer REFERENCES karbantartas_minta (karbantartas_minta_kod),  -- the template
  sorszam smallint,  -- task number
  sorszamszov varchar(40),  -- task number as sortable text ("05.")
  szoveg varchar(150),  -- the task
  naponta boolean,  -- due daily
  hetente boolean,  -- due weekly
  havonta boolean,  -- due monthly
  felevente boolean,  -- due half-yearly
  evente boolean,  -- due yearly
  szuksegszerint boolean,  -- due as needed
  masol boolean,  -- selection mark of the workbook exchange
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX karbantartas_mintapont_tkod_idx ON karbantartas_mintapont (karbantartas_mintapont_tkod);
