-- fixdata_baleset2_esemeny: ESAW code list of the 2013 accident form: deviation (triggering event)
-- Tree read in key order: szulo gives the level (1, 2, 3), a row of a deeper level hangs
-- under the last row of the level above. Ships empty until the official list is loaded.
CREATE TABLE fixdata_baleset2_esemeny (
  fixdata_baleset2_esemeny_kod serial PRIMARY KEY,  -- list order
  ommfkod varchar(5),  -- code
  szoveg varchar(255),  -- text of the code
  szulo integer,  -- tree level: 1, 2 or 3
  masol boolean  -- true: the row may be chosen
);
