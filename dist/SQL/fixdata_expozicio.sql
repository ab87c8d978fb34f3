-- fixdata_expozicio: catalogue of workplace exposures, group headings and their items
CREATE TABLE fixdata_expozicio (
  fixdata_expozicio_kod serial PRIMARY KEY,
  sorszamszov varchar(10),  -- sort key; a heading has two characters, its items begin with them
  expozicio varchar(60),  -- exposure text
  szulo varchar(1),  -- level mark: '1' group heading; '0' or '2' an item that can be chosen
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX fixdata_expozicio_sorszamszov_idx ON fixdata_expozicio (sorszamszov);
