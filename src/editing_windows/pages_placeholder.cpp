// Pages are added to this library as they are built.
