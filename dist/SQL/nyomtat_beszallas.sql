-- nyomtat_beszallas: confined-space entry permits (beszállási engedély) of a partner site
-- The eight technical measures each have an assessment (e_), an action (i_) and a remark (m_);
-- the remark columns share the prefix m_ with the audit columns m_userid, m_date, m_time.
CREATE TABLE nyomtat_beszallas (
  nyomtat_beszallas_kod serial PRIMARY KEY,
  nyomtat_beszallas_pkod integer,  -- partner of the working context
  nyomtat_beszallas_tkod integer,  -- site of the working context
  nyilvszam varchar(40),  -- permit number
  kelthely varchar(60),  -- place of issue
  datum_kelt date,  -- date of issue
  datum_kezd date,  -- start of the work
  ora_kezd varchar(2),  -- start hour
  datum_vege date,  -- end of the work
  ora_vege varchar(2),  -- end hour
  datum_moktat date,  -- date of the safety training
  terulet varchar(40),  -- area
  munkafolyamat varchar(40),  -- work process
  munkaterulet varchar(40),  -- place of entry
  partner varchar(60),  -- company doing the work
  letesitmeny varchar(60),  -- facility
  iranyito varchar(60),  -- person directing the work
  doksi varchar(40),  -- documentation available or not
  e_elkerites varchar(20),  -- assessment: fencing off
  e_atfuvas varchar(20),  -- assessment: blowing through
  e_karos varchar(20),  -- assessment: measuring harmful-substance concentration
  e_leszakaszolas varchar(20),  -- assessment: isolating
  e_vakdugozas varchar(20),  -- assessment: blanking
  e_atmosas varchar(20),  -- assessment: flushing
  e_meres varchar(20),  -- assessment: other measurements
  e_intezkedes varchar(20),  -- assessment: other technical measures
  i_elkerites varchar(20),  -- action: fencing off
  i_atfuvas varchar(20),  -- action: blowing through
  i_karos varchar(20),  -- action: measuring harmful-substance concentration
  i_leszakaszolas varchar(20),  -- action: isolating
  i_vakdugozas varchar(20),  -- action: blanking
  i_atmosas varchar(20),  -- action: flushing
  i_meres varchar(20),  -- action: other measurements
  i_intezkedes varchar(20),  -- action: other technical measures
  m_elkerites varchar(120),  -- remark: fencing off
  m_atfuvas varchar(120),  -- remark: blowing through
  m_karos varchar(120),  -- remark: measuring harmful-substance concentration
  m_leszakaszolas varchar(120),  -- remark: isolating
  m_vakdugozas varchar(120),  -- remark: blanking
  m_atmosas varchar(120),  -- remark: flushing
  m_meres varchar(120),  -- remark: other measurements
  m_intezkedes varchar(120),  -- remark: other technical measures
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX nyomtat_beszallas_context_idx ON nyomtat_beszallas (nyomtat_beszallas_pkod, nyomtat_beszallas_tkod);
