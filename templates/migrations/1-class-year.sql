-- The year a runner's class graduates ("Class of"). Empty for runners entered without one,
-- who keep the grade that is stored for them.
ALTER TABLE Runners ADD COLUMN ClassOf INTEGER;
