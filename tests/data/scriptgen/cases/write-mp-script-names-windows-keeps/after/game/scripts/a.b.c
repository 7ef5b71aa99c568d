/pet "Sandman" attack
