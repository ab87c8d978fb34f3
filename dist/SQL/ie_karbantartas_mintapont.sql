-- ie_karbantartas_mintapont: staging table of the workbook import of maintenance template tasks
-- Same columns as karbantartas_mintapont; the key and the template column carry the prefix ie_ and hold the exported values.
-- The template key references the staged template, so truncating ie_karbantartas_minta with CASCADE empties this table too.
CREATE TABLE ie_karbantartas_mintapont (
  ie_karbantartas_mintapont_kod serial PRIMARY KEY,  -- key of the exported row
  ie_karbantartas_mintapont_tkod integer REFERENCES ie_karbantartas_minta (ie_karbantartas_minta_kod),  -- template key of the exported row
  sorszam smallint,  -- task number
  sorszamszov varchar(40),  -- task number as sortable text ("05.")
  szoveg varchar(150),  -- the task
  naponta boolean,  -- due daily
  hetente boolean,  -- due weekly
  havonta boolean,  -- due monthly
  felevente boolean,  -- due half-yearly
  evente boolean,  -- due yearly
  szuksegszerint boolean,  -- due as needed
  masol boolean,  -- import mark, true ("1") import, false ("0") skip
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX ie_karbantartas_mintapont_tkod_idx ON ie_karbantartas_mintapont (ie_karbantartas_mintapont_tkod);
