<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Χρήση: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[επιλογές]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Επιλογές:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Εμφανίζει βοήθεια για τις επιλογές της γραμμής εντολών.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Εμφανίζει βοήθεια μαζί με τις επιλογές του Qt.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Explanation</source>
        <translation>Εξήγηση</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Προβολή</translation>
    </message>
    <message>
        <source>Colour-blind-safe colours</source>
        <translation>Χρώματα για δυσχρωματοψία</translation>
    </message>
    <message>
        <source>Draw with colours that viewers who cannot tell red from green can tell apart</source>
        <translation>Σχεδίαση με χρώματα που ξεχωρίζουν και όσοι δεν διακρίνουν το κόκκινο από το πράσινο</translation>
    </message>
    <message>
        <source>Save run</source>
        <translation>Αποθήκευση της προσομοίωσης</translation>
    </message>
    <message>
        <source>There is no run to save yet.</source>
        <translation>Δεν υπάρχει ακόμη προσομοίωση για αποθήκευση.</translation>
    </message>
    <message>
        <source>Save run as CSV</source>
        <translation>Αποθήκευση της προσομοίωσης ως CSV</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Πίνακας CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
</context>
<context>
    <name>curve</name>
    <message>
        <source>AMPLITUDE =%1</source>
        <translation>ΠΛΑΤΟΣ =%1</translation>
    </message>
    <message>
        <source>AMPLITUDE=%1</source>
        <translation>ΠΛΑΤΟΣ=%1</translation>
    </message>
    <message>
        <source>Initial ταχύτητα= %1</source>
        <translation>Αρχική ταχύτητα= %1</translation>
    </message>
    <message>
        <source>Initial speed = %1</source>
        <translation>Αρχική ταχύτητα = %1</translation>
    </message>
    <message>
        <source>Επιτρόχιος επιτάχυνση = %1</source>
        <translation>Επιτρόχιος επιτάχυνση = %1</translation>
    </message>
    <message>
        <source>Tangential acceleration= %1</source>
        <translation>Επιτρόχιος επιτάχυνση= %1</translation>
    </message>
    <message>
        <source>Frequency β= %1° (%2 rad) per unit of x</source>
        <translation>Συχνότητα β= %1° (%2 rad) ανά μονάδα του x</translation>
    </message>
</context>
<context>
    <name>derivation</name>
    <message>
        <source>sum = %1 × 2|ω||Vre|, %2° from 2VreXω</source>
        <translation>άθροισμα = %1 × 2|ω||Vre|, %2° από το 2VreXω</translation>
    </message>
    <message>
        <source>Δt = %1 s</source>
        <translation>Δt = %1 s</translation>
    </message>
</context>
<context>
    <name>explorer</name>
    <message>
        <source>Scale = 1.2*RADIUS</source>
        <translation>Κλίμακα = 1,2*ΑΚΤΙΝΑ</translation>
    </message>
    <message>
        <source>SCALE= %1X Radius</source>
        <translation>ΚΛΙΜΑΚΑ= %1X Ακτίνα</translation>
    </message>
    <message>
        <source>Mass = %1</source>
        <translation>Μάζα = %1</translation>
    </message>
    <message>
        <source>V%1 =%2X ωΧR</source>
        <translation>V%1 =%2X ωΧR</translation>
    </message>
    <message>
        <source>CASE WITH FRICTION. ω = CONSTANT, FRICTION ALWAYS CAUSES AN INCREASE OF SPEED</source>
        <translation>ΠΕΡΙΠΤΩΣΗ ΜΕ ΤΡΙΒΗ. ω = ΣΤΑΘΕΡΗ, Η ΤΡΙΒΗ ΠΡΟΚΑΛΕΙ ΠΑΝΤΑ ΑΥΞΗΣΗ ΤΟΥ ΜΕΤΡΟΥ ΤΗΣ ΤΑΧΥΤΗΤΑΣ</translation>
    </message>
    <message>
        <source>TO FIND THE RELATIVE VELOCITY PRESS &apos;SHOW RELATIVE VELOCITY&apos;</source>
        <translation>ΓΙΑ ΝΑ ΒΡΕΙΤΕ ΤΗ ΣΧΕΤΙΚΗ ΤΑΧΥΤΗΤΑ ΠΑΤΗΣΤΕ «ΣΧΕΤΙΚΗ ΤΑΧΥΤΗΤΑ»</translation>
    </message>
    <message>
        <source>OBSERVE THAT FRICTION IS OPPOSITE TO RELATIVE VELOCITY</source>
        <translation>ΠΑΡΑΤΗΡΗΣΤΕ ΟΤΙ Η ΤΡΙΒΗ ΕΙΝΑΙ ΑΝΤΙΘΕΤΗ ΣΤΗ ΣΧΕΤΙΚΗ ΤΑΧΥΤΗΤΑ</translation>
    </message>
    <message>
        <source>CASE WITH FRICTION. ω NOT A CONSTANT, the friction will eventually oppose the relative VELOCITY</source>
        <translation>ΠΕΡΙΠΤΩΣΗ ΜΕ ΤΡΙΒΗ. ω ΟΧΙ ΣΤΑΘΕΡΗ, η τριβή τελικά θα γίνει αντίθετη στη σχετική ΤΑΧΥΤΗΤΑ</translation>
    </message>
    <message>
        <source>OBSERVE THAT L=ANGULAR MOMENTUM IS A CONSTANT</source>
        <translation>ΠΑΡΑΤΗΡΗΣΤΕ ΟΤΙ Η L=ΣΤΡΟΦΟΡΜΗ ΕΙΝΑΙ ΣΤΑΘΕΡΗ</translation>
    </message>
    <message>
        <source>NO FRICTION, IN INERTIAL FRAME THE BODY MOVES IN A LINE ACCORDING TO 1ST LAW, IN THE ROTATING FRAME ITS ORBIT IS A SPIRAL. WHAT IS THE CAUSE??</source>
        <translation>ΧΩΡΙΣ ΤΡΙΒΗ, ΣΤΟ ΑΔΡΑΝΕΙΑΚΟ ΣΥΣΤΗΜΑ ΤΟ ΣΩΜΑ ΚΙΝΕΙΤΑΙ ΣΕ ΕΥΘΕΙΑ ΣΥΜΦΩΝΑ ΜΕ ΤΟΝ 1ο ΝΟΜΟ, ΣΤΟ ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ ΣΥΣΤΗΜΑ Η ΤΡΟΧΙΑ ΤΟΥ ΕΙΝΑΙ ΣΠΕΙΡΑ. ΠΟΙΑ ΕΙΝΑΙ Η ΑΙΤΙΑ;</translation>
    </message>
    <message>
        <source>CHOOSE &apos;ROTATING&apos; TO STUDY THIS CASE.</source>
        <translation>ΕΠΙΛΕΞΤΕ «ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ ΣΥΣΤΗΜΑ» ΓΙΑ ΝΑ ΜΕΛΕΤΗΣΕΤΕ ΑΥΤΗ ΤΗΝ ΠΕΡΙΠΤΩΣΗ.</translation>
    </message>
    <message>
        <source>RELATIVE VELOCITY=ABSOLUTE VELOCITY - VELOCITY OF THE POINT OF BASE</source>
        <translation>ΣΧΕΤΙΚΗ ΤΑΧΥΤΗΤΑ=ΑΠΟΛΥΤΗ ΤΑΧΥΤΗΤΑ - ΤΑΧΥΤΗΤΑ ΤΟΥ ΣΗΜΕΙΟΥ ΤΗΣ ΒΑΣΗΣ</translation>
    </message>
    <message>
        <source>FOUCAULT PENDULUM, IN INERTIAL FRAME THE BOB SWINGS BACK AND FORTH IN A FIXED PLANE, IN THE ROTATING FRAME THE PLANE OF THE SWING TURNS. WHAT IS THE CAUSE??</source>
        <translation>ΕΚΚΡΕΜΕΣ FOUCAULT, ΣΤΟ ΑΔΡΑΝΕΙΑΚΟ ΣΥΣΤΗΜΑ ΤΟ ΣΦΑΙΡΙΔΙΟ ΤΑΛΑΝΤΩΝΕΤΑΙ ΣΕ ΣΤΑΘΕΡΟ ΕΠΙΠΕΔΟ, ΣΤΟ ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ ΣΥΣΤΗΜΑ ΤΟ ΕΠΙΠΕΔΟ ΤΗΣ ΤΑΛΑΝΤΩΣΗΣ ΣΤΡΕΦΕΤΑΙ. ΠΟΙΑ ΕΙΝΑΙ Η ΑΙΤΙΑ;</translation>
    </message>
    <message>
        <source>DOES THE CENTRIFUGAL EXPLAIN THE SHAPE OF THE CURVE? PRESS CORIOLIS</source>
        <translation>ΕΞΗΓΕΙ Η ΦΥΓΟΚΕΝΤΡΗ ΤΟ ΣΧΗΜΑ ΤΗΣ ΚΑΜΠΥΛΗΣ; ΠΑΤΗΣΤΕ «δύναμη CORIOLIS»</translation>
    </message>
    <message>
        <source>YOU CAN SEE THAT THE CORIOLIS FORCE IS _|_ TO THE RELATIVE VELOCITY. SINCE THE BASE DECELERATES THERE IS ANOTHER FICTITIOUS FORCE. PRESS BASE ACC</source>
        <translation>ΒΛΕΠΕΤΕ ΟΤΙ Η ΔΥΝΑΜΗ CORIOLIS ΕΙΝΑΙ _|_ ΣΤΗ ΣΧΕΤΙΚΗ ΤΑΧΥΤΗΤΑ. ΕΠΕΙΔΗ Η ΒΑΣΗ ΕΠΙΒΡΑΔΥΝΕΤΑΙ ΥΠΑΡΧΕΙ ΚΑΙ ΑΛΛΗ ΑΔΡΑΝΕΙΑΚΗ ΔΥΝΑΜΗ. ΠΑΤΗΣΤΕ «ΕΠΙΤΑΧ. ΒΑΣΗΣ»</translation>
    </message>
    <message>
        <source>YOU CAN SEE THAT THE TOTAL FORCE DOES NOT MAKE ALWAYS AN ACUTE ANGLE TO THE RELATIVE VELOCITY, AND IS DIRECTED TOWARDS THE CONCAVE PART OF THE CURVE, TO SEE THE EFFECTS OF FRICTION PRESS FRICTION</source>
        <translation>ΒΛΕΠΕΤΕ ΟΤΙ Η ΣΥΝΟΛΙΚΗ ΔΥΝΑΜΗ ΔΕΝ ΣΧΗΜΑΤΙΖΕΙ ΠΑΝΤΑ ΟΞΕΙΑ ΓΩΝΙΑ ΜΕ ΤΗ ΣΧΕΤΙΚΗ ΤΑΧΥΤΗΤΑ ΚΑΙ ΚΑΤΕΥΘΥΝΕΤΑΙ ΠΡΟΣ ΤΑ ΚΟΙΛΑ ΤΗΣ ΚΑΜΠΥΛΗΣ. ΓΙΑ ΝΑ ΔΕΙΤΕ ΤΑ ΑΠΟΤΕΛΕΣΜΑΤΑ ΤΗΣ ΤΡΙΒΗΣ ΠΑΤΗΣΤΕ «ΤΡΙΒΗ ΟΧΙ ΜΗΔΕΝ»</translation>
    </message>
    <message>
        <source>IS THE FORCE DUE TO THE BASE ACCELERATION IMPORTANT? OBSERVE THE FICTITIOUS FORCE AS THE CONVEX PART OF THE CURVE TURNS THE OTHER WAY</source>
        <translation>ΕΙΝΑΙ ΣΗΜΑΝΤΙΚΗ Η ΔΥΝΑΜΗ ΛΟΓΩ ΤΗΣ ΕΠΙΤΑΧΥΝΣΗΣ ΤΗΣ ΒΑΣΗΣ; ΠΑΡΑΤΗΡΗΣΤΕ ΤΗΝ ΑΔΡΑΝΕΙΑΚΗ ΔΥΝΑΜΗ ΚΑΘΩΣ ΤΑ ΚΥΡΤΑ ΤΗΣ ΚΑΜΠΥΛΗΣ ΓΥΡΙΖΟΥΝ ΠΡΟΣ ΤΗΝ ΑΛΛΗ ΜΕΡΙΑ</translation>
    </message>
    <message>
        <source>PRESS CENTRIFUGAL</source>
        <translation>ΠΑΤΗΣΤΕ «ΦΥΓΟΚΕΝΤΡΗ ΔΥΝΑΜΗ»</translation>
    </message>
    <message>
        <source>YOU CAN SEE THAT THE CORIOLIS FORCE IS _|_ TO THE RELATIVE VELOCITY, TO SEE THE TOTAL FORCE PRESS TOTAL FORCE</source>
        <translation>ΒΛΕΠΕΤΕ ΟΤΙ Η ΔΥΝΑΜΗ CORIOLIS ΕΙΝΑΙ _|_ ΣΤΗ ΣΧΕΤΙΚΗ ΤΑΧΥΤΗΤΑ. ΓΙΑ ΝΑ ΔΕΙΤΕ ΤΗ ΣΥΝΟΛΙΚΗ ΔΥΝΑΜΗ ΠΑΤΗΣΤΕ «ΣΥΝΟΛΙΚΗ δύναμη»</translation>
    </message>
    <message>
        <source>YOU CAN SEE THAT THE TOTAL FORCE MAKES AN ACUTE ANGLE TO THE RELATIVE VELOCITY, AND IS DIRECTED TOWARDS THE CONCAVE PART OF THE CURVE, TO SEE THE EFFECTS OF FRICTION PRESS FRICTION</source>
        <translation>ΒΛΕΠΕΤΕ ΟΤΙ Η ΣΥΝΟΛΙΚΗ ΔΥΝΑΜΗ ΣΧΗΜΑΤΙΖΕΙ ΟΞΕΙΑ ΓΩΝΙΑ ΜΕ ΤΗ ΣΧΕΤΙΚΗ ΤΑΧΥΤΗΤΑ ΚΑΙ ΚΑΤΕΥΘΥΝΕΤΑΙ ΠΡΟΣ ΤΑ ΚΟΙΛΑ ΤΗΣ ΚΑΜΠΥΛΗΣ. ΓΙΑ ΝΑ ΔΕΙΤΕ ΤΑ ΑΠΟΤΕΛΕΣΜΑΤΑ ΤΗΣ ΤΡΙΒΗΣ ΠΑΤΗΣΤΕ «ΤΡΙΒΗ ΟΧΙ ΜΗΔΕΝ»</translation>
    </message>
    <message>
        <source>Arrows: velocity × %1, force × %2</source>
        <translation>Βέλη: ταχύτητα × %1, δύναμη × %2</translation>
    </message>
    <message>
        <source>Velocity in Inertial Frame</source>
        <translation>Ταχύτητα στο αδρανειακό σύστημα</translation>
    </message>
    <message>
        <source>Velocity of the point of BASE</source>
        <translation>Ταχύτητα του σημείου της ΒΑΣΗΣ</translation>
    </message>
    <message>
        <source>Relative Velocity</source>
        <translation>Σχετική ταχύτητα</translation>
    </message>
    <message>
        <source>FRICTION</source>
        <translation>ΤΡΙΒΗ</translation>
    </message>
    <message>
        <source>Velocity in Rotating Frame</source>
        <translation>Ταχύτητα στο περιστρεφόμενο σύστημα</translation>
    </message>
    <message>
        <source>Centrifugal Force</source>
        <translation>Φυγόκεντρη δύναμη</translation>
    </message>
    <message>
        <source>Coriolis Force</source>
        <translation>Δύναμη Coriolis</translation>
    </message>
    <message>
        <source>Force due to base acc.</source>
        <translation>Δύναμη λόγω επιτάχ. βάσης</translation>
    </message>
    <message>
        <source>Total Force</source>
        <translation>Συνολική δύναμη</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Δεν ήταν δυνατό να γραφτεί το %1: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>είναι φάκελος</translation>
    </message>
    <message>
        <source>it is neither a file nor a device that can be written to</source>
        <translation>δεν είναι ούτε αρχείο ούτε συσκευή στην οποία μπορεί να γραφτεί</translation>
    </message>
    <message>
        <source>Could not write to standard output.</source>
        <translation>Δεν ήταν δυνατή η εγγραφή στην τυπική έξοδο.</translation>
    </message>
    <message>
        <source>Could not draw the picture for %1.</source>
        <translation>Δεν ήταν δυνατό να σχεδιαστεί η εικόνα για το %1.</translation>
    </message>
</context>
<context>
    <name>introduction</name>
    <message>
        <source>Teachers often encounter difficulties explaining the motion in a rotating frame. One of these difficulties deals with the subject of centripetal force. Teachers need to address the question: «What is the force that acts as a centripetal force for a body lying on a turntable?» Usually teachers and textbooks offer the following suggestion: The friction between the body and the turntable acts as the centripetal force :</source>
        <translation>Οι καθηγητές συχνά συναντούν δυσκολίες όταν εξηγούν την κίνηση σε περιστρεφόμενο σύστημα αναφοράς. Μία από αυτές αφορά την κεντρομόλο δύναμη. Οι καθηγητές πρέπει να απαντήσουν στο ερώτημα: «Ποια δύναμη παίζει τον ρόλο της κεντρομόλου για ένα σώμα που βρίσκεται πάνω σε περιστρεφόμενο δίσκο;» Συνήθως οι καθηγητές και τα σχολικά βιβλία δίνουν την εξής απάντηση: Η τριβή ανάμεσα στο σώμα και στον δίσκο παίζει τον ρόλο της κεντρομόλου δύναμης:</translation>
    </message>
    <message>
        <source> There are some difficulties with this &apos;explanation&apos;. If the body at (0,A) starts a sliding motion, the initial speed v=Aω will be perpendicular to the radius (0,A). Why is friction not directed to -v?</source>
        <translation> Αυτή η «εξήγηση» έχει κάποιες δυσκολίες. Αν το σώμα στη θέση (0,A) αρχίσει να ολισθαίνει, η αρχική ταχύτητα v=Aω θα είναι κάθετη στην ακτίνα (0,A). Γιατί η τριβή δεν έχει την κατεύθυνση της -v;</translation>
    </message>
    <message>
        <source>Some teachers offer this &apos;cyclical argument&apos;: if the friction does not follow this direction then there will be no cyclical motion</source>
        <translation>Κάποιοι καθηγητές προβάλλουν αυτό το «κυκλικό επιχείρημα»: αν η τριβή δεν είχε αυτή την κατεύθυνση, δεν θα υπήρχε κυκλική κίνηση</translation>
    </message>
    <message>
        <source>FRICTION</source>
        <translation>ΤΡΙΒΗ</translation>
    </message>
    <message>
        <source>  according to textbooks</source>
        <translation>  κατά τα σχολικά βιβλία</translation>
    </message>
    <message>
        <source>FRICTION?</source>
        <translation>ΤΡΙΒΗ;</translation>
    </message>
    <message>
        <source>Students believe this</source>
        <translation>Οι μαθητές πιστεύουν ότι αυτή</translation>
    </message>
    <message>
        <source>is the direction of friction</source>
        <translation>είναι η κατεύθυνση της τριβής</translation>
    </message>
    <message>
        <source>VELOCITY</source>
        <translation>ΤΑΧΥΤΗΤΑ</translation>
    </message>
    <message>
        <source>ANGULAR VELOCITY</source>
        <translation>ΓΩΝΙΑΚΗ ΤΑΧΥΤΗΤΑ</translation>
    </message>
</context>
<context>
    <name>simulation</name>
    <message>
        <source>Mass=%1</source>
        <translation>Μάζα=%1</translation>
    </message>
    <message>
        <source>Friction coefficient μ= %1 (μg = %2)</source>
        <translation>Συντελεστής τριβής μ= %1 (μg = %2)</translation>
    </message>
    <message>
        <source>Interval dt = %1 (widened: at most 5000 steps)</source>
        <translation>Βήμα dt = %1 (αυξημένο: το πολύ 5000 βήματα)</translation>
    </message>
    <message>
        <source>Interval dt = %1</source>
        <translation>Βήμα dt = %1</translation>
    </message>
    <message>
        <source>Total time = %1 × initial period (%2 s)</source>
        <translation>Συνολικός χρόνος = %1 × αρχική περίοδος (%2 s)</translation>
    </message>
    <message>
        <source>The base is influenced</source>
        <translation>Η βάση επηρεάζεται</translation>
    </message>
    <message>
        <source>The base is not influenced</source>
        <translation>Η βάση δεν επηρεάζεται</translation>
    </message>
    <message>
        <source>HALF MAXIMUM</source>
        <translation>ΜΙΣΟ ΜΕΓΙΣΤΟ</translation>
    </message>
    <message>
        <source> INITIAL  </source>
        <translation> ΑΡΧΙΚΟ  </translation>
    </message>
    <message>
        <source>FORCE</source>
        <translation>ΔΥΝΑΜΗ</translation>
    </message>
    <message>
        <source>VELOCITY</source>
        <translation>ΤΑΧΥΤΗΤΑ</translation>
    </message>
    <message>
        <source>INERTIAL SYSTEM</source>
        <translation>ΑΔΡΑΝΕΙΑΚΟ ΣΥΣΤΗΜΑ</translation>
    </message>
    <message>
        <source>ROTATING SYSTEM</source>
        <translation>ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ ΣΥΣΤΗΜΑ</translation>
    </message>
    <message>
        <source>Angular velocity calculated by the motion equations</source>
        <translation>Γωνιακή ταχύτητα από τις εξισώσεις κίνησης</translation>
    </message>
    <message>
        <source>Angular velocity calculated by Angular Momentum conservation</source>
        <translation>Γωνιακή ταχύτητα από τη διατήρηση της στροφορμής</translation>
    </message>
    <message>
        <source>ω final = %1</source>
        <translation>ω τελική = %1</translation>
    </message>
    <message>
        <source>VX Inertial frame</source>
        <translation>VX αδρανειακό σύστημα</translation>
    </message>
    <message>
        <source>VY Inertial frame</source>
        <translation>VY αδρανειακό σύστημα</translation>
    </message>
    <message>
        <source>VX ROTATING FRAME</source>
        <translation>VX ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ ΣΥΣΤΗΜΑ</translation>
    </message>
    <message>
        <source>VY rotating frame</source>
        <translation>VY περιστρεφόμενο σύστημα</translation>
    </message>
    <message>
        <source>Vrelative X INERTIAL</source>
        <translation>Vσχετική X ΑΔΡΑΝΕΙΑΚΟ</translation>
    </message>
    <message>
        <source>Vrelative Y INERTIAL</source>
        <translation>Vσχετική Y ΑΔΡΑΝΕΙΑΚΟ</translation>
    </message>
    <message>
        <source>WORK OF FORCE DUE TO ACCELERATION OF BASE</source>
        <translation>ΕΡΓΟ ΔΥΝΑΜΗΣ ΛΟΓΩ ΕΠΙΤΑΧΥΝΣΗΣ ΤΗΣ ΒΑΣΗΣ</translation>
    </message>
    <message>
        <source>WORK DUE TO DECELERATION OF BASE</source>
        <translation>ΕΡΓΟ ΛΟΓΩ ΕΠΙΒΡΑΔΥΝΣΗΣ ΤΗΣ ΒΑΣΗΣ</translation>
    </message>
    <message>
        <source>WORK OF CENTRIFUGAL</source>
        <translation>ΕΡΓΟ ΦΥΓΟΚΕΝΤΡΗΣ</translation>
    </message>
    <message>
        <source>KINETIC EN. IN INERTIAL</source>
        <translation>ΚΙΝΗΤΙΚΗ ΕΝ. ΣΤΟ ΑΔΡΑΝΕΙΑΚΟ</translation>
    </message>
    <message>
        <source>KINETIC ENERGY IN INERTIAL</source>
        <translation>ΚΙΝΗΤΙΚΗ ΕΝΕΡΓΕΙΑ ΣΤΟ ΑΔΡΑΝΕΙΑΚΟ</translation>
    </message>
    <message>
        <source>WORK OF FRICTION IN INERTIAL</source>
        <translation>ΕΡΓΟ ΤΡΙΒΗΣ ΣΤΟ ΑΔΡΑΝΕΙΑΚΟ</translation>
    </message>
    <message>
        <source>KINETIC EN. IN ROTATIONAL</source>
        <translation>ΚΙΝΗΤΙΚΗ ΕΝ. ΣΤΟ ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ</translation>
    </message>
    <message>
        <source>TOTAL WORK IN ROTATIONAL</source>
        <translation>ΟΛΙΚΟ ΕΡΓΟ ΣΤΟ ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ</translation>
    </message>
    <message>
        <source>WORK OF FRICTION IN ROTATING</source>
        <translation>ΕΡΓΟ ΤΡΙΒΗΣ ΣΤΟ ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ</translation>
    </message>
    <message>
        <source>Inertial frame counts friction: ΔKE - W = %1</source>
        <translation>Το αδρανειακό σύστημα λογαριάζει την τριβή: ΔK - W = %1</translation>
    </message>
    <message>
        <source>Rotating frame counts friction, centrifugal and base acceleration: ΔKE - W = %1</source>
        <translation>Το περιστρεφόμενο σύστημα λογαριάζει τριβή, φυγόκεντρη και επιτάχυνση της βάσης: ΔK - W = %1</translation>
    </message>
</context>
<context>
    <name>translating</name>
    <message>
        <source>Vx FRAME&apos;S=</source>
        <translation>Vx ΣΥΣΤΗΜΑΤΟΣ=</translation>
    </message>
    <message>
        <source>Vy FRAME&apos;S=</source>
        <translation>Vy ΣΥΣΤΗΜΑΤΟΣ=</translation>
    </message>
    <message>
        <source>Ax FRAME&apos;S=</source>
        <translation>Ax ΣΥΣΤΗΜΑΤΟΣ=</translation>
    </message>
    <message>
        <source>Ay FRAME&apos;S=</source>
        <translation>Ay ΣΥΣΤΗΜΑΤΟΣ=</translation>
    </message>
    <message>
        <source>Initial vx of body =</source>
        <translation>Αρχική vx σώματος =</translation>
    </message>
    <message>
        <source>Initial vy of body =</source>
        <translation>Αρχική vy σώματος =</translation>
    </message>
    <message>
        <source>Initial x of body =</source>
        <translation>Αρχικό x σώματος =</translation>
    </message>
    <message>
        <source>Initial ψ of body =</source>
        <translation>Αρχικό ψ σώματος =</translation>
    </message>
    <message>
        <source>friction coef. =</source>
        <translation>συντ. τριβής =</translation>
    </message>
    <message>
        <source>Mass of body =</source>
        <translation>Μάζα σώματος =</translation>
    </message>
    <message>
        <source>Scale = </source>
        <translation>Κλίμακα = </translation>
    </message>
    <message>
        <source>Vx FRAME=</source>
        <translation>Vx ΣΥΣΤΗΜΑΤΟΣ=</translation>
    </message>
    <message>
        <source>Initial velocity of the moving frame, x</source>
        <translation>Αρχική ταχύτητα του κινούμενου συστήματος, x</translation>
    </message>
    <message>
        <source>Initial velocity of the moving frame, y</source>
        <translation>Αρχική ταχύτητα του κινούμενου συστήματος, y</translation>
    </message>
    <message>
        <source>Acceleration of the moving frame, x</source>
        <translation>Επιτάχυνση του κινούμενου συστήματος, x</translation>
    </message>
    <message>
        <source>Acceleration of the moving frame, y</source>
        <translation>Επιτάχυνση του κινούμενου συστήματος, y</translation>
    </message>
    <message>
        <source>Initial velocity of the body, x</source>
        <translation>Αρχική ταχύτητα του σώματος, x</translation>
    </message>
    <message>
        <source>Initial velocity of the body, y</source>
        <translation>Αρχική ταχύτητα του σώματος, y</translation>
    </message>
    <message>
        <source>Initial x of the body</source>
        <translation>Αρχικό x του σώματος</translation>
    </message>
    <message>
        <source>Initial y of the body</source>
        <translation>Αρχικό y του σώματος</translation>
    </message>
    <message>
        <source>Common scale of both views</source>
        <translation>Κοινή κλίμακα των δύο εικόνων</translation>
    </message>
    <message>
        <source>Move the lab view sideways</source>
        <translation>Μετακίνηση της εικόνας του εργαστηρίου πλάγια</translation>
    </message>
    <message>
        <source>Move the lab view up or down</source>
        <translation>Μετακίνηση της εικόνας του εργαστηρίου πάνω ή κάτω</translation>
    </message>
    <message>
        <source>Move the moving-frame view sideways</source>
        <translation>Μετακίνηση της εικόνας του κινούμενου συστήματος πλάγια</translation>
    </message>
    <message>
        <source>Move the moving-frame view up or down</source>
        <translation>Μετακίνηση της εικόνας του κινούμενου συστήματος πάνω ή κάτω</translation>
    </message>
    <message>
        <source>FICTIONAL FORCE</source>
        <translation>ΠΛΑΣΜΑΤΙΚΗ ΔΥΝΑΜΗ</translation>
    </message>
    <message>
        <source>FRICTION</source>
        <translation>ΤΡΙΒΗ</translation>
    </message>
    <message>
        <source>forces drawn × %1</source>
        <translation>δυνάμεις σχεδιασμένες × %1</translation>
    </message>
</context>
<context>
    <name>ttl::Application</name>
    <message>
        <source>Graphs of the orbits</source>
        <translation>Γραφικές παραστάσεις των τροχιών</translation>
    </message>
    <message>
        <source>Angle of Base vs Time</source>
        <translation>Γωνία της βάσης - χρόνος</translation>
    </message>
    <message>
        <source>Angular Velocity vs Time</source>
        <translation>Γωνιακή ταχύτητα - χρόνος</translation>
    </message>
    <message>
        <source>Velocities</source>
        <translation>Ταχύτητες</translation>
    </message>
    <message>
        <source>Angle of Vectors</source>
        <translation>Γωνία των διανυσμάτων</translation>
    </message>
    <message>
        <source>Time development of the orbit</source>
        <translation>Εξέλιξη της τροχιάς στον χρόνο</translation>
    </message>
</context>
<context>
    <name>ttl::ChoiceWindow</name>
    <message>
        <source>The base turns freely: it slows down as the body moves outward</source>
        <translation>Η βάση στρέφεται ελεύθερα: επιβραδύνεται καθώς το σώμα απομακρύνεται</translation>
    </message>
    <message>
        <source>A motor keeps the base turning at the same rate</source>
        <translation>Ένας κινητήρας κρατά σταθερό τον ρυθμό περιστροφής της βάσης</translation>
    </message>
    <message>
        <source>CONSTANT ANGULAR MOMENTUM</source>
        <translation>ΣΤΑΘΕΡΗ ΣΤΡΟΦΟΡΜΗ</translation>
    </message>
    <message>
        <source>CONSTANT ANGULAR VELOCITY</source>
        <translation>ΣΤΑΘΕΡΗ ΓΩΝΙΑΚΗ ΤΑΧΥΤΗΤΑ</translation>
    </message>
    <message>
        <source>How the base turns</source>
        <translation>Πώς στρέφεται η βάση</translation>
    </message>
</context>
<context>
    <name>ttl::CommandLine</name>
    <message>
        <source>Mass scroll-bar value: the mass is the value / 2.</source>
        <translation>Τιμή της μπάρας μάζας: η μάζα είναι η τιμή / 2.</translation>
    </message>
    <message>
        <source>Friction scroll-bar value: mu*g is the value / 10.</source>
        <translation>Τιμή της μπάρας τριβής: το μg είναι η τιμή / 10.</translation>
    </message>
    <message>
        <source>Interval scroll-bar value: dt is the value / 1250.</source>
        <translation>Τιμή της μπάρας βήματος: το dt είναι η τιμή / 1250.</translation>
    </message>
    <message>
        <source>Total-time scroll-bar value: the run lasts the value x pi / 4.</source>
        <translation>Τιμή της μπάρας συνολικού χρόνου: η προσομοίωση διαρκεί την τιμή × π / 4.</translation>
    </message>
    <message>
        <source>Write every series of a run to FILE.</source>
        <translation>Γράφει όλες τις σειρές μιας προσομοίωσης στο αρχείο FILE.</translation>
    </message>
    <message>
        <source>The base is free: the body slows it.</source>
        <translation>Η βάση στρέφεται ελεύθερα: το σώμα την επιβραδύνει.</translation>
    </message>
    <message>
        <source>Write a picture of SCREEN to FILE (PNG, or SVG by its extension; &quot;-&quot; for PNG on standard output) without a display, and exit. The screens: %1.</source>
        <translation>Γράφει μια εικόνα της οθόνης SCREEN στο αρχείο FILE (PNG, ή SVG όταν το λέει η κατάληξη· «-» για PNG στην τυπική έξοδο) χωρίς οθόνη προβολής, και τερματίζει. Οι οθόνες: %1.</translation>
    </message>
    <message>
        <source>The picture&apos;s size, default 1366x768.</source>
        <translation>Το μέγεθος της εικόνας, αρχικά 1366x768.</translation>
    </message>
    <message>
        <source>exigisi2, exigisirelative: STEP pressed N times first.</source>
        <translation>exigisi2, exigisirelative: πρώτα πατιέται N φορές το ΒΗΜΑ.</translation>
    </message>
    <message>
        <source>exigisi2, derivation: the rotating observer&apos;s frame.</source>
        <translation>exigisi2, derivation: το σύστημα του περιστρεφόμενου παρατηρητή.</translation>
    </message>
    <message>
        <source>derivation: the page, from 0.</source>
        <translation>derivation: η σελίδα, από το 0.</translation>
    </message>
    <message>
        <source>The language of the windows: el (Greek) or en (English); by default the system&apos;s.</source>
        <translation>Η γλώσσα των παραθύρων: el (ελληνικά) ή en (αγγλικά)· αρχικά η γλώσσα του συστήματος.</translation>
    </message>
    <message>
        <source>Turntable Lab: mechanics in rotating frames. Without options, opens the program. The simulation options set the simulation screen&apos;s scroll bars before it opens; with --export-csv the run is made without windows and written to FILE (&quot;-&quot; for standard output, with the &quot;Wrote&quot; line on standard error).</source>
        <translation>Turntable Lab: μηχανική σε περιστρεφόμενα συστήματα αναφοράς. Χωρίς επιλογές ανοίγει το πρόγραμμα. Οι επιλογές της προσομοίωσης ρυθμίζουν τις μπάρες της οθόνης προσομοίωσης πριν ανοίξει· με --export-csv η προσομοίωση γίνεται χωρίς παράθυρα και γράφεται στο αρχείο FILE («-» για την τυπική έξοδο, οπότε η γραμμή «Γράφτηκαν» πηγαίνει στην τυπική έξοδο σφαλμάτων).</translation>
    </message>
    <message>
        <source>%1 %2 to %3, default %4.</source>
        <translation>%1 %2 έως %3, αρχικά %4.</translation>
    </message>
    <message>
        <source>Nothing to do without windows: give --export-csv FILE, or see --help.</source>
        <translation>Χωρίς παράθυρα δεν υπάρχει κάτι να γίνει: δώστε --export-csv FILE ή δείτε το --help.</translation>
    </message>
    <message>
        <source>Wrote %1 steps to standard output.</source>
        <translation>Γράφτηκαν %1 βήματα στην τυπική έξοδο.</translation>
    </message>
    <message>
        <source>Wrote %1 steps to %2.</source>
        <translation>Γράφτηκαν %1 βήματα στο %2.</translation>
    </message>
</context>
<context>
    <name>ttl::ExplorerScreen</name>
    <message>
        <source>The Coriolis, base-acceleration and total forces drawn again from a common origin, so that they can be compared</source>
        <translation>Οι δυνάμεις Coriolis, επιτάχυνσης της βάσης και η συνολική, σχεδιασμένες ξανά από κοινή αρχή, ώστε να συγκρίνονται</translation>
    </message>
    <message>
        <source>Move the diagram sideways</source>
        <translation>Μετακίνηση του σχήματος πλάγια</translation>
    </message>
    <message>
        <source>Move the diagram up or down</source>
        <translation>Μετακίνηση του σχήματος πάνω ή κάτω</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Σύστημα αναφοράς</translation>
    </message>
    <message>
        <source>Watch the motion as an observer turning with the base</source>
        <translation>Η κίνηση όπως τη βλέπει παρατηρητής που στρέφεται με τη βάση</translation>
    </message>
    <message>
        <source>Watch the motion as an observer at rest beside the base</source>
        <translation>Η κίνηση όπως τη βλέπει ακίνητος παρατηρητής δίπλα στη βάση</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Εμφάνιση</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Σώμα</translation>
    </message>
    <message>
        <source>Initial vx of the body, in units of the base&apos;s speed under it</source>
        <translation>Αρχική vx του σώματος, σε μονάδες της ταχύτητας της βάσης κάτω από αυτό</translation>
    </message>
    <message>
        <source>Initial vy of the body, in units of the base&apos;s speed under it</source>
        <translation>Αρχική vy του σώματος, σε μονάδες της ταχύτητας της βάσης κάτω από αυτό</translation>
    </message>
    <message>
        <source>Mass of the body: the value / 2</source>
        <translation>Μάζα του σώματος: η τιμή / 2</translation>
    </message>
    <message>
        <source>Zoom of the diagram, in per cent of the base radius</source>
        <translation>Μεγέθυνση του σχήματος, σε ποσοστό της ακτίνας της βάσης</translation>
    </message>
    <message>
        <source>First point of the derivation</source>
        <translation>Πρώτο σημείο της απόδειξης</translation>
    </message>
    <message>
        <source>Advance the motion by one step (stops a continuous run)</source>
        <translation>Η κίνηση προχωρά ένα βήμα (σταματά τη συνεχή εξέλιξη)</translation>
    </message>
    <message>
        <source>FOLLOW THE MOVEMENT STEP BY STEP</source>
        <translation>ΠΑΡΑΚΟΛΟΥΘΗΣΤΕ ΤΗΝ ΚΙΝΗΣΗ ΒΗΜΑ ΒΗΜΑ</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>ΕΠΑΝΑΛΗΨΗ</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>ΠΙΣΩ</translation>
    </message>
    <message>
        <source>END</source>
        <translation>ΤΕΛΟΣ</translation>
    </message>
    <message>
        <source>CONTINUOUS CHANGE</source>
        <translation>ΣΥΝΕΧΗΣ ΜΕΤΑΒΟΛΗ</translation>
    </message>
    <message>
        <source>FOUCAULT PENDULUM</source>
        <translation>ΕΚΚΡΕΜΕΣ FOUCAULT</translation>
    </message>
    <message>
        <source>FOUCAULT TEXTBOOK</source>
        <translation>FOUCAULT ΣΧΟΛΙΚΟΥ ΒΙΒΛΙΟΥ</translation>
    </message>
    <message>
        <source>FOUCAULT with initial speed</source>
        <translation>FOUCAULT με αρχική ταχύτητα</translation>
    </message>
    <message>
        <source>CORIOLIS &amp; CENTRIFUGAL</source>
        <translation>CORIOLIS &amp; ΦΥΓΟΚΕΝΤΡΗ</translation>
    </message>
    <message>
        <source>INERTIAL FRAME</source>
        <translation>ΑΔΡΑΝΕΙΑΚΟ ΣΥΣΤΗΜΑ</translation>
    </message>
    <message>
        <source>VELOCITY OF POINT OF BASE</source>
        <translation>ΤΑΧΥΤΗΤΑ ΣΗΜΕΙΟΥ ΤΗΣ ΒΑΣΗΣ</translation>
    </message>
    <message>
        <source>The velocity of the point of the base under the body</source>
        <translation>Η ταχύτητα του σημείου της βάσης κάτω από το σώμα</translation>
    </message>
    <message>
        <source>SHOW RELATIVE VELOCITY</source>
        <translation>ΣΧΕΤΙΚΗ ΤΑΧΥΤΗΤΑ</translation>
    </message>
    <message>
        <source>The velocity of the body relative to the base</source>
        <translation>Η ταχύτητα του σώματος ως προς τη βάση</translation>
    </message>
    <message>
        <source>NON ZERO FRICTION</source>
        <translation>ΤΡΙΒΗ ΟΧΙ ΜΗΔΕΝ</translation>
    </message>
    <message>
        <source>Friction between the body and the base</source>
        <translation>Τριβή ανάμεσα στο σώμα και στη βάση</translation>
    </message>
    <message>
        <source>show CORIOLIS</source>
        <translation>δύναμη CORIOLIS</translation>
    </message>
    <message>
        <source>The Coriolis force of the rotating observer</source>
        <translation>Η δύναμη Coriolis του περιστρεφόμενου παρατηρητή</translation>
    </message>
    <message>
        <source>The centrifugal force of the rotating observer</source>
        <translation>Η φυγόκεντρη δύναμη του περιστρεφόμενου παρατηρητή</translation>
    </message>
    <message>
        <source>BASE ACC</source>
        <translation>ΕΠΙΤΑΧ. ΒΑΣΗΣ</translation>
    </message>
    <message>
        <source>The force due to the angular acceleration of the base</source>
        <translation>Η δύναμη που οφείλεται στη γωνιακή επιτάχυνση της βάσης</translation>
    </message>
    <message>
        <source>TOTAL Force</source>
        <translation>ΣΥΝΟΛΙΚΗ δύναμη</translation>
    </message>
    <message>
        <source>The sum of the forces the rotating observer counts</source>
        <translation>Το άθροισμα των δυνάμεων που λογαριάζει ο περιστρεφόμενος παρατηρητής</translation>
    </message>
    <message>
        <source>STEP</source>
        <translation>ΒΗΜΑ</translation>
    </message>
    <message>
        <source>CENTRIFUGAL FORCE</source>
        <translation>ΦΥΓΟΚΕΝΤΡΗ ΔΥΝΑΜΗ</translation>
    </message>
    <message>
        <source>ROTATING FRAME</source>
        <translation>ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ ΣΥΣΤΗΜΑ</translation>
    </message>
</context>
<context>
    <name>ttl::FirstStepScreen</name>
    <message>
        <source>Why a body sliding on a turning disk falls behind the points of the disk under it</source>
        <translation>Γιατί ένα σώμα που γλιστρά σε περιστρεφόμενο δίσκο μένει πίσω από τα σημεία του δίσκου κάτω από αυτό</translation>
    </message>
    <message>
        <source>The body moving along the curve: its velocity in red, its acceleration in blue, and every 60 ticks a red point with the distance covered</source>
        <translation>Το σώμα κινείται κατά μήκος της καμπύλης: η ταχύτητά του με κόκκινο, η επιτάχυνσή του με μπλε και κάθε 60 βήματα μια κόκκινη κουκκίδα με την απόσταση που διανύθηκε</translation>
    </message>
    <message>
        <source>Click on the curve for its vectors and its circle of curvature</source>
        <translation>Κλικ στην καμπύλη για τα διανύσματά της και τον κύκλο καμπυλότητάς της</translation>
    </message>
    <message>
        <source>Choose RADIUS OF CURVATURE or MAKE AN ASSUMPTION FOR THE FORCE to see the vectors at a point of the curve you click</source>
        <translation>Επιλέξτε ΑΚΤΙΝΑ ΚΑΜΠΥΛΟΤΗΤΑΣ ή ΚΑΝΤΕ ΜΙΑ ΥΠΟΘΕΣΗ ΓΙΑ ΤΗ ΔΥΝΑΜΗ για να δείτε τα διανύσματα στο σημείο της καμπύλης που πατάτε</translation>
    </message>
    <message>
        <source>The body moves along the curve with the initial speed and the tangential acceleration set for the curve, 0.05 time units a tick. Press START. Its velocity is drawn in red and its acceleration in dark blue. Every 60 ticks a red point marks its place, with the distance Ds covered in those 60 ticks as a multiple of the distance of the first 60, and the time t.</source>
        <translation>Το σώμα κινείται κατά μήκος της καμπύλης με την αρχική ταχύτητα και την επιτρόχια επιτάχυνση που ορίστηκαν για την καμπύλη, 0,05 μονάδες χρόνου ανά βήμα. Πατήστε ΕΝΑΡΞΗ. Η ταχύτητά του σχεδιάζεται με κόκκινο και η επιτάχυνσή του με σκούρο μπλε. Κάθε 60 βήματα μια κόκκινη κουκκίδα σημειώνει τη θέση του, με την απόσταση Ds που διανύθηκε σε αυτά τα 60 βήματα ως πολλαπλάσιο της απόστασης των πρώτων 60, και τον χρόνο t.</translation>
    </message>
    <message>
        <source>Click on the curve for its vectors; SHIFT-drag from the curve to draw a force to be judged</source>
        <translation>Κλικ στην καμπύλη για τα διανύσματά της· SHIFT και σύρσιμο από την καμπύλη για να σχεδιάσετε μια δύναμη προς κρίση</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Εμφάνιση</translation>
    </message>
    <message>
        <source>Why a body sliding on a disk falls behind it</source>
        <translation>Γιατί ένα σώμα που γλιστρά σε δίσκο μένει πίσω</translation>
    </message>
    <message>
        <source>The body moving along the curve in time</source>
        <translation>Το σώμα κινείται στην καμπύλη με τον χρόνο</translation>
    </message>
    <message>
        <source>How speed, curvature and tangential acceleration decide the acceleration</source>
        <translation>Πώς η ταχύτητα, η καμπυλότητα και η επιτρόχιος επιτάχυνση καθορίζουν την επιτάχυνση</translation>
    </message>
    <message>
        <source>Start the body along the curve</source>
        <translation>Το σώμα ξεκινά πάνω στην καμπύλη</translation>
    </message>
    <message>
        <source>Amplitude A of the curve: the value / 10</source>
        <translation>Πλάτος A της καμπύλης: η τιμή / 10</translation>
    </message>
    <message>
        <source>Initial speed v0 of the body: the value</source>
        <translation>Αρχική ταχύτητα v0 του σώματος: η τιμή</translation>
    </message>
    <message>
        <source>Frequency β of the curve: the value in degrees per unit of x</source>
        <translation>Συχνότητα β της καμπύλης: η τιμή σε μοίρες ανά μονάδα του x</translation>
    </message>
    <message>
        <source>Tangential acceleration of the body: the value / 10</source>
        <translation>Επιτρόχιος επιτάχυνση του σώματος: η τιμή / 10</translation>
    </message>
    <message>
        <source>Curve and motion</source>
        <translation>Καμπύλη και κίνηση</translation>
    </message>
    <message>
        <source>FIRST EXPLANATION</source>
        <translation>ΠΡΩΤΗ ΕΞΗΓΗΣΗ</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>ΠΙΣΩ</translation>
    </message>
    <message>
        <source>CURVE - ACCELARATION</source>
        <translation>ΚΑΜΠΥΛΗ - ΕΠΙΤΑΧΥΝΣΗ</translation>
    </message>
    <message>
        <source>RADIUS OF CURVATURE</source>
        <translation>ΑΚΤΙΝΑ ΚΑΜΠΥΛΟΤΗΤΑΣ</translation>
    </message>
    <message>
        <source>FACTORS THAT AFFECT ACCELERATION</source>
        <translation>ΠΑΡΑΓΟΝΤΕΣ ΠΟΥ ΕΠΗΡΕΑΖΟΥΝ ΤΗΝ ΕΠΙΤΑΧΥΝΣΗ</translation>
    </message>
    <message>
        <source>MAKE AN ASSUMPTION FOR THE FORCE</source>
        <translation>ΚΑΝΤΕ ΜΙΑ ΥΠΟΘΕΣΗ ΓΙΑ ΤΗ ΔΥΝΑΜΗ</translation>
    </message>
    <message>
        <source>RELATIVE MOTION</source>
        <translation>ΣΧΕΤΙΚΗ ΚΙΝΗΣΗ</translation>
    </message>
    <message>
        <source>END</source>
        <translation>ΤΕΛΟΣ</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>ΕΠΟΜΕΝΟ</translation>
    </message>
    <message>
        <source>Explanation for friction</source>
        <translation>Εξήγηση για την τριβή</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Χρόνος</translation>
    </message>
    <message>
        <source>Factors that affect acceleration</source>
        <translation>Παράγοντες που επηρεάζουν την επιτάχυνση</translation>
    </message>
    <message>
        <source>START</source>
        <translation>ΕΝΑΡΞΗ</translation>
    </message>
</context>
<context>
    <name>ttl::IntroductionScreen</name>
    <message>
        <source>Which force keeps the body on its circle?</source>
        <translation>Ποια δύναμη κρατά το σώμα στον κύκλο του;</translation>
    </message>
    <message>
        <source>A first explanation: why a body sliding on a disk falls behind</source>
        <translation>Μια πρώτη εξήγηση: γιατί ένα σώμα που γλιστρά σε δίσκο μένει πίσω</translation>
    </message>
    <message>
        <source>Follow the motion step by step in the rotating frame</source>
        <translation>Παρακολουθήστε την κίνηση βήμα βήμα στο περιστρεφόμενο σύστημα</translation>
    </message>
    <message>
        <source>Simulate the body on the turntable in both frames</source>
        <translation>Προσομοίωση του σώματος στον περιστρεφόμενο δίσκο και στα δύο συστήματα</translation>
    </message>
    <message>
        <source>Turntable Lab — free software under the GNU General Public Licence, version 3 or later</source>
        <translation>Turntable Lab — ελεύθερο λογισμικό με την άδεια GNU General Public Licence, έκδοση 3 ή νεότερη</translation>
    </message>
    <message>
        <source>INTRODUCTION</source>
        <translation>ΕΙΣΑΓΩΓΗ</translation>
    </message>
    <message>
        <source>PRESS THE BUTTON TO SEE THE NEXT EXPLANATION</source>
        <translation>ΠΑΤΗΣΤΕ ΤΟ ΚΟΥΜΠΙ ΓΙΑ ΤΗΝ ΕΠΟΜΕΝΗ ΕΞΗΓΗΣΗ</translation>
    </message>
    <message>
        <source>ROTATING FRAME</source>
        <translation>ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ ΣΥΣΤΗΜΑ</translation>
    </message>
    <message>
        <source>SIMULATION</source>
        <translation>ΠΡΟΣΟΜΟΙΩΣΗ</translation>
    </message>
</context>
<context>
    <name>ttl::RelativeMotionScreen</name>
    <message>
        <source>Frame and body</source>
        <translation>Σύστημα και σώμα</translation>
    </message>
    <message>
        <source>The body seen from the laboratory: its path and velocity</source>
        <translation>Το σώμα όπως φαίνεται από το εργαστήριο: η τροχιά και η ταχύτητά του</translation>
    </message>
    <message>
        <source>The body seen from the platform: its relative velocity, the fictitious force of the platform&apos;s acceleration and friction</source>
        <translation>Το σώμα όπως φαίνεται από την πλατφόρμα: η σχετική ταχύτητα, η αδρανειακή δύναμη της επιτάχυνσης της πλατφόρμας και η τριβή</translation>
    </message>
    <message>
        <source>EXPLANATIONS FOR RELATIVE MOTION</source>
        <translation>ΕΞΗΓΗΣΕΙΣ ΓΙΑ ΤΗ ΣΧΕΤΙΚΗ ΚΙΝΗΣΗ</translation>
    </message>
    <message>
        <source>CLS</source>
        <translation>ΚΑΘΑΡΙΣΜΑ</translation>
    </message>
    <message>
        <source>Clear both views; the motion goes on from where it is</source>
        <translation>Καθαρισμός και των δύο εικόνων· η κίνηση συνεχίζει από εκεί που βρίσκεται</translation>
    </message>
    <message>
        <source>STEP</source>
        <translation>ΒΗΜΑ</translation>
    </message>
    <message>
        <source>Advance the motion by one step</source>
        <translation>Η κίνηση προχωρά ένα βήμα</translation>
    </message>
    <message>
        <source>TIME EVOLUTION</source>
        <translation>ΧΡΟΝΙΚΗ ΕΞΕΛΙΞΗ</translation>
    </message>
    <message>
        <source>Run the motion continuously</source>
        <translation>Συνεχής εξέλιξη της κίνησης</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>ΕΠΑΝΑΛΗΨΗ</translation>
    </message>
    <message>
        <source>Show the run again, then start afresh from the values set</source>
        <translation>Ξανά η ίδια κίνηση, μετά νέα αρχή με τις τιμές που ορίστηκαν</translation>
    </message>
    <message>
        <source>END</source>
        <translation>ΤΕΛΟΣ</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Τέλος του προγράμματος</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>ΠΙΣΩ</translation>
    </message>
    <message>
        <source>Close this screen</source>
        <translation>Κλείσιμο αυτής της οθόνης</translation>
    </message>
    <message>
        <source>NEXT</source>
        <translation>ΕΠΟΜΕΝΟ</translation>
    </message>
    <message>
        <source>On to the rotating frame, step by step</source>
        <translation>Στο περιστρεφόμενο σύστημα, βήμα βήμα</translation>
    </message>
    <message>
        <source>LAB FRAME</source>
        <translation>ΣΥΣΤΗΜΑ ΕΡΓΑΣΤΗΡΙΟΥ</translation>
    </message>
    <message>
        <source>MOVING FRAME</source>
        <translation>ΚΙΝΟΥΜΕΝΟ ΣΥΣΤΗΜΑ</translation>
    </message>
    <message>
        <source>* applies from the next launch</source>
        <translation>* ισχύει από την επόμενη εκκίνηση</translation>
    </message>
    <message>
        <source>Follow the body</source>
        <translation>Ακολούθηση του σώματος</translation>
    </message>
    <message>
        <source>Move the lab view with the body so that it stays in sight</source>
        <translation>Η εικόνα του εργαστηρίου μετακινείται μαζί με το σώμα ώστε να φαίνεται πάντα</translation>
    </message>
</context>
<context>
    <name>ttl::RotatingScreen</name>
    <message>
        <source>Mass of the body: the value / 2</source>
        <translation>Μάζα του σώματος: η τιμή / 2</translation>
    </message>
    <message>
        <source>Friction coefficient times g: the value / 10</source>
        <translation>Συντελεστής τριβής επί g: η τιμή / 10</translation>
    </message>
    <message>
        <source>Time step dt of the integration: the value / 1250</source>
        <translation>Βήμα χρόνου dt της ολοκλήρωσης: η τιμή / 1250</translation>
    </message>
    <message>
        <source>Total time of the run: the value × π/4</source>
        <translation>Συνολικός χρόνος της προσομοίωσης: η τιμή × π/4</translation>
    </message>
    <message>
        <source>Ticked: the base turns freely and the total angular momentum is conserved. Clear: the base turns at a constant rate.</source>
        <translation>Επιλεγμένο: η βάση στρέφεται ελεύθερα και η ολική στροφορμή διατηρείται. Όχι: η βάση στρέφεται με σταθερό ρυθμό.</translation>
    </message>
    <message>
        <source>Run the simulation again with these values</source>
        <translation>Νέα προσομοίωση με αυτές τις τιμές</translation>
    </message>
    <message>
        <source>Back to the introduction</source>
        <translation>Πίσω στην εισαγωγή</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Τέλος του προγράμματος</translation>
    </message>
    <message>
        <source>Save run as CSV…</source>
        <translation>Αποθήκευση της προσομοίωσης ως CSV…</translation>
    </message>
    <message>
        <source>Write every series of the last run to a table file</source>
        <translation>Όλες οι σειρές της τελευταίας προσομοίωσης σε αρχείο πίνακα</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Παράμετροι</translation>
    </message>
    <message>
        <source>Graphs of the last run</source>
        <translation>Γραφικές παραστάσεις της τελευταίας προσομοίωσης</translation>
    </message>
    <message>
        <source>Open the graph of the last run</source>
        <translation>Η γραφική παράσταση της τελευταίας προσομοίωσης</translation>
    </message>
    <message>
        <source>Simulation of both frames - Variables</source>
        <translation>Προσομοίωση και στα δύο συστήματα - Μεταβλητές</translation>
    </message>
    <message>
        <source>REPEAT</source>
        <translation>ΕΠΑΝΑΛΗΨΗ</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>ΠΙΣΩ</translation>
    </message>
    <message>
        <source>END</source>
        <translation>ΤΕΛΟΣ</translation>
    </message>
    <message>
        <source>Orbit vs time</source>
        <translation>Τροχιά - χρόνος</translation>
    </message>
    <message>
        <source>Work and Energy vs Time</source>
        <translation>Έργο και ενέργεια - χρόνος</translation>
    </message>
    <message>
        <source>Angular Velocity vs time</source>
        <translation>Γωνιακή ταχύτητα - χρόνος</translation>
    </message>
    <message>
        <source>Vectors of Velocity and acceleration</source>
        <translation>Διανύσματα ταχύτητας και επιτάχυνσης</translation>
    </message>
    <message>
        <source>Angle of Base vs time</source>
        <translation>Γωνία της βάσης - χρόνος</translation>
    </message>
    <message>
        <source>Graphical representation of the angle of base vs time. Observe that for constant angular momentum the graph is a line.</source>
        <translation>Γραφική παράσταση της γωνίας της βάσης με τον χρόνο. Παρατηρήστε ότι για σταθερή στροφορμή η γραφική παράσταση είναι ευθεία.</translation>
    </message>
    <message>
        <source>Observe the evolution of the position of the body in ROTATING (blue) and in INERTIAL (red) FRAMES</source>
        <translation>Παρατηρήστε την εξέλιξη της θέσης του σώματος στο ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ (μπλε) και στο ΑΔΡΑΝΕΙΑΚΟ (κόκκινο) ΣΥΣΤΗΜΑ</translation>
    </message>
    <message>
        <source>Observe the work in the ROTATING Frame. Then the work of FRICTION plus the WORK of CENTRIFUGAL force is not equal to the change of kinetic energy in case of changing angular velocity (or Angular momentum is constant)</source>
        <translation>Παρατηρήστε το έργο στο ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ σύστημα. Το έργο της ΤΡΙΒΗΣ συν το ΕΡΓΟ της φυγόκεντρης δύναμης δεν ισούται με τη μεταβολή της κινητικής ενέργειας όταν η γωνιακή ταχύτητα μεταβάλλεται (ή η στροφορμή είναι σταθερή)</translation>
    </message>
    <message>
        <source>If the base does not ROTATE with a constant rate (due to a stabilising mechanism), then the ANGULAR VELOCITY changes but the ANGULAR MOMENTUM remains constant</source>
        <translation>Αν η βάση δεν ΣΤΡΕΦΕΤΑΙ με σταθερό ρυθμό (λόγω μηχανισμού σταθεροποίησης), τότε η ΓΩΝΙΑΚΗ ΤΑΧΥΤΗΤΑ μεταβάλλεται αλλά η ΣΤΡΟΦΟΡΜΗ μένει σταθερή</translation>
    </message>
    <message>
        <source>Velocity vs Time</source>
        <translation>Ταχύτητα - χρόνος</translation>
    </message>
    <message>
        <source>The velocity in the INERTIAL frame : Absolute and Relative, and the speed. The same entities in the ROTATING frame.</source>
        <translation>Η ταχύτητα στο ΑΔΡΑΝΕΙΑΚΟ σύστημα: απόλυτη και σχετική, και το μέτρο της. Τα ίδια μεγέθη στο ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ σύστημα.</translation>
    </message>
    <message>
        <source>Observe the change of the ANGLE between the vectors of VELOCITY and ACCELERATION. Observe that when this angle is &gt;90° the movement is decelerating, when &lt;90° the speed increases</source>
        <translation>Παρατηρήστε τη μεταβολή της ΓΩΝΙΑΣ ανάμεσα στα διανύσματα ΤΑΧΥΤΗΤΑΣ και ΕΠΙΤΑΧΥΝΣΗΣ. Όταν η γωνία είναι &gt;90° η κίνηση είναι επιβραδυνόμενη, όταν είναι &lt;90° η ταχύτητα αυξάνεται</translation>
    </message>
</context>
<context>
    <name>ttl::SurfaceView</name>
    <message>
        <source>A drawing of the program</source>
        <translation>Ένα σχήμα του προγράμματος</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Αποθήκευση εικόνας…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Αντιγραφή εικόνας</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Αποθήκευση εικόνας</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg)</source>
        <translation>Εικόνα PNG (*.png);;Σχέδιο SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>ttl::WorkEnergyWindow</name>
    <message>
        <source>Switch between the full range and half of the maximum</source>
        <translation>Εναλλαγή ανάμεσα σε όλη την κλίμακα και στο μισό του μεγίστου</translation>
    </message>
    <message>
        <source>Work and Energy in rotating and inertial frames</source>
        <translation>Έργο και ενέργεια στο περιστρεφόμενο και στο αδρανειακό σύστημα</translation>
    </message>
    <message>
        <source>half MAXIMUM</source>
        <translation>μισό ΜΕΓΙΣΤΟ</translation>
    </message>
</context>
</TS>
