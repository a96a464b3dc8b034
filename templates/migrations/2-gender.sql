-- A runner's gender as a roster gives it ("F", "M", or as the school writes it); empty when
-- none was given.
ALTER TABLE Runners ADD COLUMN Gender TEXT DEFAULT '';
