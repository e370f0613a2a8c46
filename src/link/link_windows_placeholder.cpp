// Windows that talk to the radio are added to this library as they are built.
