-- Who saved a meet's sheet last and when (ISO text, to the millisecond). A save that finds
-- another's since its sheet was loaded stops, so that two coaches working on one database
-- never write over each other's results.
ALTER TABLE Meets ADD COLUMN ChangedBy TEXT DEFAULT '';
ALTER TABLE Meets ADD COLUMN ChangedAt TEXT DEFAULT '';
