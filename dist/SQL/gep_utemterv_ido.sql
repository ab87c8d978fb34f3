-- gep_utemterv_ido: inspection schedule work table: one row per scheduled machine and year, twelve month cells
CREATE TABLE gep_utemterv_ido (
  gep_utemterv_ido_kod serial PRIMARY KEY,
  gep_utemterv_ido_ukod integer,  -- owning schedule row (gep_utemterv_kod)
  vizsgaltev varchar(4),  -- the year
  januar varchar(8),  -- month cell code, e.g. "IB-k"
  februar varchar(8),
  marcius varchar(8),
  aprilis varchar(8),
  majus varchar(8),
  junius varchar(8),
  julius varchar(8),
  augusztus varchar(8),
  szeptember varchar(8),
  oktober varchar(8),
  november varchar(8),
  december varchar(8),
  CONSTRAINT gep_utemterv_ido_ukod_fkey FOREIGN KEY (gep_utemterv_ido_ukod) REFERENCES gep_utemterv (gep_utemterv_kod)
);
CREATE INDEX gep_utemterv_ido_ukod_idx ON gep_utemterv_ido (gep_utemterv_ido_ukod);
