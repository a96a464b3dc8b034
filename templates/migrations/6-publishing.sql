-- A runner the coach keeps off the team's website: 1 to publish the runner as "Athlete" only,
-- without a page of their own. Everyone already on the roster may be published.
ALTER TABLE Runners ADD COLUMN DoNotPublish INTEGER DEFAULT 0;
