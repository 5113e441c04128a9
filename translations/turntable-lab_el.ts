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
    <message>
        <source>The recording was cancelled.</source>
        <translation>Η εγγραφή ακυρώθηκε.</translation>
    </message>
    <message>
        <source>Could not encode the recording of %1.</source>
        <translation>Δεν ήταν δυνατή η κωδικοποίηση της εγγραφής του %1.</translation>
    </message>
    <message>
        <source>Writing the recording…</source>
        <translation>Αποθήκευση της εγγραφής…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Record animation</source>
        <translation>Εγγραφή κινούμενης εικόνας</translation>
    </message>
    <message>
        <source>Record…</source>
        <translation>Εγγραφή…</translation>
    </message>
    <message>
        <source>Play the animation from its start and save it as an animated GIF for a slide</source>
        <translation>Παίζει την κινούμενη εικόνα από την αρχή της και την αποθηκεύει ως κινούμενο GIF για μια διαφάνεια</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Διακοπή εγγραφής</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>Κινούμενη εικόνα GIF (*.gif)</translation>
    </message>
    <message>
        <source>Teacher&apos;s guide</source>
        <translation>Οδηγός για τον εκπαιδευτικό</translation>
    </message>
    <message>
        <source>About Turntable Lab</source>
        <translation>Σχετικά με το Turntable Lab</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Πλήρης οθόνη</translation>
    </message>
    <message>
        <source>Larger text and lines</source>
        <translation>Μεγαλύτερα γράμματα και γραμμές</translation>
    </message>
    <message>
        <source>Smaller text and lines</source>
        <translation>Μικρότερα γράμματα και γραμμές</translation>
    </message>
    <message>
        <source>Normal size</source>
        <translation>Κανονικό μέγεθος</translation>
    </message>
    <message>
        <source>This picture has no animation to record now.</source>
        <translation>Αυτή η εικόνα δεν έχει τώρα κινούμενη εικόνα για εγγραφή.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>--size must be from 100x100 to 8000x8000, not %1x%2.</source>
        <translation>Το --size πρέπει να είναι από 100x100 έως 8000x8000, όχι %1x%2.</translation>
    </message>
    <message>
        <source>--%1 is used only with --snapshot.</source>
        <translation>Το --%1 χρησιμοποιείται μόνο με το --snapshot.</translation>
    </message>
    <message>
        <source>--%1 is used only with the screens %2.</source>
        <translation>Το --%1 χρησιμοποιείται μόνο με τις οθόνες %2.</translation>
    </message>
    <message>
        <source>--page must be from 0 to %1 for the rotating observer.</source>
        <translation>Το --page πρέπει να είναι από 0 έως %1 για τον περιστρεφόμενο παρατηρητή.</translation>
    </message>
    <message>
        <source>--page must be from 0 to %1 for the inertial observer.</source>
        <translation>Το --page πρέπει να είναι από 0 έως %1 για τον αδρανειακό παρατηρητή.</translation>
    </message>
    <message>
        <source>The toolkit&apos;s options (Qt):</source>
        <translation>Οι επιλογές της εργαλειοθήκης (Qt):</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;: no option takes it.</source>
        <translation>Απρόσμενο όρισμα «%1»: καμία επιλογή δεν το δέχεται.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>Το --%1 δίνεται περισσότερες από μία φορές.</translation>
    </message>
    <message>
        <source>--lang must be el or en, not &quot;%1&quot;.</source>
        <translation>Το --lang πρέπει να είναι el ή en, όχι «%1».</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>Το --%1 πρέπει να είναι ακέραιος από %2 έως %3, όχι «%4».</translation>
    </message>
    <message>
        <source>--snapshot SCREEN needs the picture&apos;s file name.</source>
        <translation>Το --snapshot SCREEN χρειάζεται το όνομα του αρχείου της εικόνας.</translation>
    </message>
    <message>
        <source>--size must be WxH, such as 1024x768, not &quot;%1&quot;.</source>
        <translation>Το --size πρέπει να είναι ΠxΥ, για παράδειγμα 1024x768, όχι «%1».</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from 0 to %2.</source>
        <translation>Το --%1 πρέπει να είναι ακέραιος από 0 έως %2.</translation>
    </message>
    <message>
        <source>--export-csv needs a file name (or - for standard output).</source>
        <translation>Το --export-csv χρειάζεται όνομα αρχείου (ή - για την τυπική έξοδο).</translation>
    </message>
    <message>
        <source>--export-csv writes a simulation&apos;s run, and the experiment is for the %1 screen.</source>
        <translation>Το --export-csv γράφει την εκτέλεση μιας προσομοίωσης, και το πείραμα είναι για την οθόνη %1.</translation>
    </message>
    <message>
        <source>Unknown screen &quot;%1&quot;; the screens are: %2.</source>
        <translation>Άγνωστη οθόνη «%1»· οι οθόνες είναι: %2.</translation>
    </message>
    <message>
        <source>Give the experiment file once: as FILE or with --open, not both.</source>
        <translation>Δώστε το αρχείο πειράματος μία φορά: ως FILE ή με το --open, όχι και τα δύο.</translation>
    </message>
    <message>
        <source>Only one of --snapshot, --export-csv and --record can be given.</source>
        <translation>Μόνο ένα από τα --snapshot, --export-csv και --record μπορεί να δοθεί.</translation>
    </message>
    <message>
        <source>--seconds is used only with --record.</source>
        <translation>Το --seconds χρησιμοποιείται μόνο με το --record.</translation>
    </message>
    <message>
        <source>--size is used only with --snapshot or --record.</source>
        <translation>Το --size χρησιμοποιείται μόνο με το --snapshot ή το --record.</translation>
    </message>
    <message>
        <source>--record takes one of the screens %1, not &quot;%2&quot;.</source>
        <translation>Το --record δέχεται μία από τις οθόνες %1, όχι &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--record SCREEN needs the GIF file&apos;s name.</source>
        <translation>Το --record SCREEN χρειάζεται το όνομα του αρχείου GIF.</translation>
    </message>
    <message>
        <source>--seconds must be a whole number from 1 to %1.</source>
        <translation>Το --seconds πρέπει να είναι ακέραιος αριθμός από 1 έως %1.</translation>
    </message>
    <message>
        <source>--size must be from 100x100 to 4000x4000 for a recording, not %1x%2.</source>
        <translation>Το --size πρέπει να είναι από 100x100 έως 4000x4000 για μια εγγραφή, όχι %1x%2.</translation>
    </message>
</context>
<context>
    <name>curve</name>
    <message>
        <source>AMPLITUDE=%1</source>
        <translation>ΠΛΑΤΟΣ=%1</translation>
    </message>
    <message>
        <source>Initial speed = %1</source>
        <translation>Αρχική ταχύτητα = %1</translation>
    </message>
    <message>
        <source>Tangential acceleration= %1</source>
        <translation>Επιτρόχια επιτάχυνση= %1</translation>
    </message>
    <message>
        <source>Frequency β= %1° (%2 rad) per unit of x</source>
        <translation>Συχνότητα β= %1° (%2 rad) ανά μονάδα του x</translation>
    </message>
    <message>
        <source>VELOCITY</source>
        <translation>ΤΑΧΥΤΗΤΑ</translation>
    </message>
    <message>
        <source>CENTRIPETAL ACCELERATION</source>
        <translation>ΚΕΝΤΡΟΜΟΛΟΣ ΕΠΙΤΑΧΥΝΣΗ</translation>
    </message>
    <message>
        <source>TOTAL ACCELERATION</source>
        <translation>ΟΛΙΚΗ ΕΠΙΤΑΧΥΝΣΗ</translation>
    </message>
    <message>
        <source>The centripetal acceleration has a direction towards the concave side of the curve. You can study the effect of CURVATURE with respect to the MEASURE of CENTRIPETAL acceleration. You can change the SPEED, and that changes the centripetal acceleration=υ²/R where R is the radius of CURVATURE. You can change the AMPLITUDE and the FREQUENCY of the curve, and this changes the CURVATURE. You should observe that the CENTRIPETAL =0 at points where the orbit is LINEAR. By changing the TANGENT component of acceleration you can see that if it is increased, the CENTRIPETAL acceleration changes.</source>
        <translation>Η κεντρομόλος επιτάχυνση έχει κατεύθυνση προς τα κοίλα της καμπύλης. Μπορείτε να μελετήσετε την επίδραση της ΚΑΜΠΥΛΟΤΗΤΑΣ στο ΜΕΤΡΟ της ΚΕΝΤΡΟΜΟΛΟΥ επιτάχυνσης. Μπορείτε να αλλάξετε την ΤΑΧΥΤΗΤΑ, και αυτό αλλάζει την κεντρομόλο επιτάχυνση=υ²/R, όπου R η ακτίνα ΚΑΜΠΥΛΟΤΗΤΑΣ. Μπορείτε να αλλάξετε το ΠΛΑΤΟΣ και τη ΣΥΧΝΟΤΗΤΑ της καμπύλης, και αυτό αλλάζει την ΚΑΜΠΥΛΟΤΗΤΑ. Παρατηρήστε ότι η ΚΕΝΤΡΟΜΟΛΟΣ =0 στα σημεία όπου η τροχιά είναι ΕΥΘΥΓΡΑΜΜΗ. Αλλάζοντας την ΕΠΙΤΡΟΧΙΑ συνιστώσα της επιτάχυνσης, βλέπετε ότι όταν αυξάνεται, η ΚΕΝΤΡΟΜΟΛΟΣ επιτάχυνση αλλάζει.</translation>
    </message>
    <message>
        <source>The centripetal acceleration is directed towards the concave side of the curve. The TANGENTIAL acceleration is directed along the tangent, the circles are drawn with a radius =RADIUS OF CURVATURE.</source>
        <translation>Η κεντρομόλος επιτάχυνση έχει κατεύθυνση προς τα κοίλα της καμπύλης. Η ΕΠΙΤΡΟΧΙΑ επιτάχυνση έχει τη διεύθυνση της εφαπτομένης, οι κύκλοι σχεδιάζονται με ακτίνα =ΑΚΤΙΝΑ ΚΑΜΠΥΛΟΤΗΤΑΣ.</translation>
    </message>
    <message>
        <source>FRICTION</source>
        <translation>ΤΡΙΒΗ</translation>
    </message>
    <message>
        <source>Click on the diagram so that the vectors FRICTION, VELOCITY and ACCELERATION (centripetal and tangential) are shown. PRESS SHIFT and drag the mouse from a point of the curve to draw a force that will explain the SHAPE AND TANGENTIAL ACCELERATION, observe if the drawn force: A) IS CORRECT AS FAR AS DIRECTION IS CONCERNED &amp; B) WHICH ARE THE FORCES NEEDED?</source>
        <translation>Κάντε κλικ στο διάγραμμα για να εμφανιστούν τα διανύσματα ΤΡΙΒΗ, ΤΑΧΥΤΗΤΑ και ΕΠΙΤΑΧΥΝΣΗ (κεντρομόλος και επιτρόχια). ΠΑΤΗΣΤΕ SHIFT και σύρετε το ποντίκι από ένα σημείο της καμπύλης για να σχεδιάσετε μια δύναμη που εξηγεί το ΣΧΗΜΑ ΚΑΙ την ΕΠΙΤΡΟΧΙΑ ΕΠΙΤΑΧΥΝΣΗ, και παρατηρήστε αν η δύναμη που σχεδιάσατε: Α) ΕΙΝΑΙ ΣΩΣΤΗ ΩΣ ΠΡΟΣ ΤΗΝ ΚΑΤΕΥΘΥΝΣΗ &amp; Β) ΠΟΙΕΣ ΔΥΝΑΜΕΙΣ ΧΡΕΙΑΖΟΝΤΑΙ;</translation>
    </message>
    <message>
        <source>The centripetal acceleration is directed towards the concave side of the curve. The TANGENTIAL is tangent to the curve, the circles are drawn with radius = RADIUS OF CURVATURE.</source>
        <translation>Η κεντρομόλος επιτάχυνση έχει κατεύθυνση προς τα κοίλα της καμπύλης. Η ΕΠΙΤΡΟΧΙΑ εφάπτεται στην καμπύλη, οι κύκλοι σχεδιάζονται με ακτίνα = ΑΚΤΙΝΑ ΚΑΜΠΥΛΟΤΗΤΑΣ.</translation>
    </message>
    <message>
        <source>ACCELERATION</source>
        <translation>ΕΠΙΤΑΧΥΝΣΗ</translation>
    </message>
    <message>
        <source>FORCE: INCORRECT FOR THE TANGENTIAL ACCELERATION</source>
        <translation>ΔΥΝΑΜΗ: ΛΑΘΟΣ ΓΙΑ ΤΗΝ ΕΠΙΤΡΟΧΙΑ ΕΠΙΤΑΧΥΝΣΗ</translation>
    </message>
    <message>
        <source>FORCE: HAS THE CORRECT DIRECTION FOR THE SHAPE OF THE CURVE</source>
        <translation>ΔΥΝΑΜΗ: ΕΧΕΙ ΣΩΣΤΗ ΚΑΤΕΥΘΥΝΣΗ ΓΙΑ ΤΟ ΣΧΗΜΑ ΤΗΣ ΚΑΜΠΥΛΗΣ</translation>
    </message>
    <message>
        <source>FORCE: HAS THE WRONG DIRECTION FOR THE SHAPE OF THE CURVE</source>
        <translation>ΔΥΝΑΜΗ: ΕΧΕΙ ΛΑΘΟΣ ΚΑΤΕΥΘΥΝΣΗ ΓΙΑ ΤΟ ΣΧΗΜΑ ΤΗΣ ΚΑΜΠΥΛΗΣ</translation>
    </message>
    <message>
        <source>DIRECTION OF EXTRA FORCE FOR CENTRIPETAL</source>
        <translation>ΚΑΤΕΥΘΥΝΣΗ ΠΡΟΣΘΕΤΗΣ ΔΥΝΑΜΗΣ ΓΙΑ ΚΕΝΤΡΟΜΟΛΟ</translation>
    </message>
    <message>
        <source>EXTRA NEEDED FORCE FOR SHAPE</source>
        <translation>ΠΡΟΣΘΕΤΗ ΑΝΑΓΚΑΙΑ ΔΥΝΑΜΗ ΓΙΑ ΤΟ ΣΧΗΜΑ</translation>
    </message>
    <message>
        <source>EXTRA NEEDED FORCE FOR TANGENTIAL ACC.</source>
        <translation>ΠΡΟΣΘΕΤΗ ΑΝΑΓΚΑΙΑ ΔΥΝΑΜΗ ΓΙΑ ΕΠΙΤΡΟΧΙΑ ΕΠΙΤ.</translation>
    </message>
    <message>
        <source>THE POINT OF THE DISK</source>
        <translation>ΤΟ ΣΗΜΕΙΟ ΤΟΥ ΔΙΣΚΟΥ</translation>
    </message>
    <message>
        <source>AT WHICH THE BODY ARRIVES</source>
        <translation>ΣΤΟ ΟΠΟΙΟ ΦΤΑΝΕΙ ΤΟ ΣΩΜΑ</translation>
    </message>
    <message>
        <source>HAS GREATER SPEED</source>
        <translation>ΕΧΕΙ ΜΕΓΑΛΥΤΕΡΗ ΤΑΧΥΤΗΤΑ</translation>
    </message>
    <message>
        <source>ANGULAR VELOCITY</source>
        <translation>ΓΩΝΙΑΚΗ ΤΑΧΥΤΗΤΑ</translation>
    </message>
    <message>
        <source>A FIRST EXPLANATION: The body, as is seen in the diagram, moves to greater distances from the centre. As it moves out it is found over points of the disk that have a greater speed than this body, so it lags behind them. For the ROTATING OBSERVER it will be seen to the left of the initial RADIUS. Press NEXT to observe the movement step by step. Press CURVE - ACCELERATION to study the factors on which the direction of ACCELERATION depends. Press RELATIVE MOTION to study FICTITIOUS FORCES</source>
        <translation>ΜΙΑ ΠΡΩΤΗ ΕΞΗΓΗΣΗ: Το σώμα, όπως φαίνεται στο διάγραμμα, κινείται σε όλο και μεγαλύτερες αποστάσεις από το κέντρο. Καθώς απομακρύνεται, βρίσκεται πάνω από σημεία του δίσκου που έχουν μεγαλύτερη ταχύτητα από το σώμα, άρα μένει πίσω από αυτά. Ο ΠΕΡΙΣΤΡΕΦΟΜΕΝΟΣ ΠΑΡΑΤΗΡΗΤΗΣ θα το δει αριστερά από την αρχική ΑΚΤΙΝΑ. Πατήστε ΕΠΟΜΕΝΟ για να παρακολουθήσετε την κίνηση βήμα βήμα. Πατήστε ΚΑΜΠΥΛΗ - ΕΠΙΤΑΧΥΝΣΗ για να μελετήσετε τους παράγοντες από τους οποίους εξαρτάται η κατεύθυνση της ΕΠΙΤΑΧΥΝΣΗΣ. Πατήστε ΣΧΕΤΙΚΗ ΚΙΝΗΣΗ για να μελετήσετε τις ΑΔΡΑΝΕΙΑΚΕΣ ΔΥΝΑΜΕΙΣ</translation>
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
    <message>
        <source>Δt must be positive</source>
        <translation>Το Δt πρέπει να είναι θετικό</translation>
    </message>
    <message>
        <source>xLEFT = %1</source>
        <translation>xΑΡΙΣΤΕΡΑ = %1</translation>
    </message>
    <message>
        <source>yBOTTOM= %1</source>
        <translation>yΚΑΤΩ= %1</translation>
    </message>
    <message>
        <source>Click for NEXT</source>
        <translation>Κλικ για ΕΠΟΜΕΝΗ</translation>
    </message>
    <message>
        <source>Click for next</source>
        <translation>Κλικ για επόμενη</translation>
    </message>
    <message>
        <source>Shift - Click FOR PREVIOUS</source>
        <translation>Shift - Κλικ ΓΙΑ ΠΡΟΗΓΟΥΜΕΝΗ</translation>
    </message>
    <message>
        <source>Shift - Click for PREVIOUS</source>
        <translation>Shift - Κλικ για ΠΡΟΗΓΟΥΜΕΝΗ</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>σελίδα %1</translation>
    </message>
    <message>
        <source>To explain the Centrifugal and the Coriolis Force</source>
        <translation>Για να εξηγήσουμε τη Φυγόκεντρο και τη δύναμη Coriolis</translation>
    </message>
    <message>
        <source>The absolute velocity Vα is analysed into Vre (relative)</source>
        <translation>Η απόλυτη ταχύτητα Vα αναλύεται σε Vre (σχετική)</translation>
    </message>
    <message>
        <source>and Vb (base), that is: Vα=Vre+Vb where Vb=ωΧR</source>
        <translation>και Vb (βάσης), δηλαδή: Vα=Vre+Vb όπου Vb=ωΧR</translation>
    </message>
    <message>
        <source>In the diagram we see 3 curves:</source>
        <translation>Στο διάγραμμα βλέπουμε 3 καμπύλες:</translation>
    </message>
    <message>
        <source>3 blue ones, which represent</source>
        <translation>3 μπλε, που παριστάνουν</translation>
    </message>
    <message>
        <source>a) On the LEFT the orbit that the ROTATING OBSERVER observes</source>
        <translation>α) ΑΡΙΣΤΕΡΑ την τροχιά που παρατηρεί ο ΠΕΡΙΣΤΡΕΦΟΜΕΝΟΣ ΠΑΡΑΤΗΡΗΤΗΣ</translation>
    </message>
    <message>
        <source>b) The middle one is the ORBIT OF THE RELATIVE OBSERVER as</source>
        <translation>β) Η μεσαία είναι η ΤΡΟΧΙΑ ΤΟΥ ΣΧΕΤΙΚΟΥ ΠΑΡΑΤΗΡΗΤΗ όπως</translation>
    </message>
    <message>
        <source>is perceived by the INERTIAL OBSERVER at the time t1</source>
        <translation>την αντιλαμβάνεται ο ΑΔΡΑΝΕΙΑΚΟΣ ΠΑΡΑΤΗΡΗΤΗΣ τη στιγμή t1</translation>
    </message>
    <message>
        <source>c) On the RIGHT is the ORBIT OF THE RELATIVE OBSERVER for the INERTIAL at t2</source>
        <translation>γ) ΔΕΞΙΑ είναι η ΤΡΟΧΙΑ ΤΟΥ ΣΧΕΤΙΚΟΥ ΠΑΡΑΤΗΡΗΤΗ για τον ΑΔΡΑΝΕΙΑΚΟ τη στιγμή t2</translation>
    </message>
    <message>
        <source>The red curve is the orbit that the INERTIAL observer perceives</source>
        <translation>Η κόκκινη καμπύλη είναι η τροχιά που αντιλαμβάνεται ο ΑΔΡΑΝΕΙΑΚΟΣ παρατηρητής</translation>
    </message>
    <message>
        <source>In the diagram are shown the relative velocities:</source>
        <translation>Στο διάγραμμα φαίνονται οι σχετικές ταχύτητες:</translation>
    </message>
    <message>
        <source>Vre1, Vre2: for the rotating observer and the:</source>
        <translation>Vre1, Vre2: για τον περιστρεφόμενο παρατηρητή και οι:</translation>
    </message>
    <message>
        <source>a) Vre11 for the INERTIAL at moment t1</source>
        <translation>α) Vre11 για τον ΑΔΡΑΝΕΙΑΚΟ τη στιγμή t1</translation>
    </message>
    <message>
        <source>b) Vre22 for the INERTIAL at moment t2</source>
        <translation>β) Vre22 για τον ΑΔΡΑΝΕΙΑΚΟ τη στιγμή t2</translation>
    </message>
    <message>
        <source>c) Vre12 which is Vre22 (t=t2) TRANSPORTED by a ROTATION</source>
        <translation>γ) Vre12, που είναι η Vre22 (t=t2) ΜΕΤΑΦΕΡΜΕΝΗ με ΠΕΡΙΣΤΡΟΦΗ</translation>
    </message>
    <message>
        <source>to the ORBIT that passes through t1</source>
        <translation>στην ΤΡΟΧΙΑ που περνά από το t1</translation>
    </message>
    <message>
        <source>In the diagram are shown the BASE velocities:</source>
        <translation>Στο διάγραμμα φαίνονται οι ταχύτητες ΒΑΣΗΣ:</translation>
    </message>
    <message>
        <source>Vb1, Vb2: for the ROTATING (t=t1 &amp; t=t2)</source>
        <translation>Vb1, Vb2: για τον ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ (t=t1 &amp; t=t2)</translation>
    </message>
    <message>
        <source>a) Vb11 for the INERTIAL at the moment t1</source>
        <translation>α) Vb11 για τον ΑΔΡΑΝΕΙΑΚΟ τη στιγμή t1</translation>
    </message>
    <message>
        <source>b) Vb22 for the INERTIAL at the moment t2</source>
        <translation>β) Vb22 για τον ΑΔΡΑΝΕΙΑΚΟ τη στιγμή t2</translation>
    </message>
    <message>
        <source>c) Vb12 for the INERTIAL at the moment t2 (value=Vb22) is the Vb22</source>
        <translation>γ) Vb12 για τον ΑΔΡΑΝΕΙΑΚΟ τη στιγμή t2 (τιμή=Vb22): είναι η Vb22</translation>
    </message>
    <message>
        <source>TRANSPORTED to the orbit that passes through t1</source>
        <translation>ΜΕΤΑΦΕΡΜΕΝΗ στην τροχιά που περνά από το t1</translation>
    </message>
    <message>
        <source>The ABSOLUTE acceleration is calculated by:</source>
        <translation>Η ΑΠΟΛΥΤΗ επιτάχυνση υπολογίζεται από:</translation>
    </message>
    <message>
        <source>Vα2-Vα1=Vre22+Vb22-(Vre11+Vb11).</source>
        <translation>Vα2-Vα1=Vre22+Vb22-(Vre11+Vb11).</translation>
    </message>
    <message>
        <source>The Velocities Vre12 &amp; Vb12 are ADDED AND SUBTRACTED</source>
        <translation>Οι ταχύτητες Vre12 &amp; Vb12 ΠΡΟΣΤΙΘΕΝΤΑΙ ΚΑΙ ΑΦΑΙΡΟΥΝΤΑΙ</translation>
    </message>
    <message>
        <source>With this:</source>
        <translation>Έτσι:</translation>
    </message>
    <message>
        <source>Vα2-Vα1=(Vre21-Vre11)+(Vb22-Vb21)+(Vb21-Vb11)+(Vre22-Vre21)</source>
        <translation>Vα2-Vα1=(Vre21-Vre11)+(Vb22-Vb21)+(Vb21-Vb11)+(Vre22-Vre21)</translation>
    </message>
    <message>
        <source>The 1st parenthesis is RELATIVE, the 2nd CENTRIPETAL, the 3rd &amp; 4th opposite to Coriolis</source>
        <translation>Η 1η παρένθεση είναι η ΣΧΕΤΙΚΗ, η 2η η ΚΕΝΤΡΟΜΟΛΟΣ, η 3η &amp; η 4η αντίθετες της Coriolis</translation>
    </message>
    <message>
        <source>Relative Acceleration= (Vre21-Vre11)/Δt</source>
        <translation>Σχετική επιτάχυνση= (Vre21-Vre11)/Δt</translation>
    </message>
    <message>
        <source>Centripetal acceleration (due to the rotation of the base)= (Vb22-Vb21)/Δt</source>
        <translation>Κεντρομόλος επιτάχυνση (λόγω της περιστροφής της βάσης)= (Vb22-Vb21)/Δt</translation>
    </message>
    <message>
        <source>For the rotating observer there is a FICTITIOUS force</source>
        <translation>Για τον περιστρεφόμενο παρατηρητή υπάρχει μια ΑΔΡΑΝΕΙΑΚΗ δύναμη</translation>
    </message>
    <message>
        <source>opposite to the CENTRIPETAL acceleration, the CENTRIFUGAL force</source>
        <translation>αντίθετη της ΚΕΝΤΡΟΜΟΛΟΥ επιτάχυνσης, η ΦΥΓΟΚΕΝΤΡΟΣ δύναμη</translation>
    </message>
    <message>
        <source>First COMPLEMENTARY acceleration= (Vb21-Vb11)/Δt</source>
        <translation>Πρώτη ΣΥΜΠΛΗΡΩΜΑΤΙΚΗ επιτάχυνση= (Vb21-Vb11)/Δt</translation>
    </message>
    <message>
        <source>Vb21 is transported with the dashed vector to the position x11</source>
        <translation>Η Vb21 μεταφέρεται με το διακεκομμένο διάνυσμα στη θέση x11</translation>
    </message>
    <message>
        <source>Second COMPLEMENTARY acceleration= (Vre22-Vre21)/Δt</source>
        <translation>Δεύτερη ΣΥΜΠΛΗΡΩΜΑΤΙΚΗ επιτάχυνση= (Vre22-Vre21)/Δt</translation>
    </message>
    <message>
        <source>The accelerations calculated by</source>
        <translation>Οι επιταχύνσεις που υπολογίζονται από τις</translation>
    </message>
    <message>
        <source>(Vb21-Vb11)/Δt   (Vre22-Vre21)/Δt</source>
        <translation>(Vb21-Vb11)/Δt   (Vre22-Vre21)/Δt</translation>
    </message>
    <message>
        <source>have in the limit Δt =0</source>
        <translation>έχουν στο όριο Δt =0</translation>
    </message>
    <message>
        <source>the same directions, and add up to the absolute value 2|ω|*|Vre|. For the rotating</source>
        <translation>την ίδια κατεύθυνση και δίνουν άθροισμα μέτρου 2|ω|*|Vre|. Για τον περιστρεφόμενο</translation>
    </message>
    <message>
        <source>the force (-Mass×acceleration) is called Coriolis with value 2m.|ω|*|Vre|</source>
        <translation>η δύναμη (-μάζα×επιτάχυνση) λέγεται Coriolis και έχει μέτρο 2m.|ω|*|Vre|</translation>
    </message>
    <message>
        <source>The two COMPLEMENTARY accelerations:</source>
        <translation>Οι δύο ΣΥΜΠΛΗΡΩΜΑΤΙΚΕΣ επιταχύνσεις:</translation>
    </message>
    <message>
        <source>               (Vb21-Vb11)/Δt</source>
        <translation>               (Vb21-Vb11)/Δt</translation>
    </message>
    <message>
        <source>               (Vre22-Vre21)/Δt</source>
        <translation>               (Vre22-Vre21)/Δt</translation>
    </message>
    <message>
        <source>add up to the -CORIOLIS acceleration for the ROTATING OBSERVER</source>
        <translation>δίνουν άθροισμα την -CORIOLIS επιτάχυνση για τον ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ ΠΑΡΑΤΗΡΗΤΗ</translation>
    </message>
    <message>
        <source>It can be observed that in the limit Δt=0 they are equal</source>
        <translation>Παρατηρούμε ότι στο όριο Δt=0 είναι ίσες</translation>
    </message>
    <message>
        <source>Explanation for the ROTATING observer of: CENTRIPETAL and Coriolis</source>
        <translation>Εξήγηση για τον ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ παρατηρητή: ΚΕΝΤΡΟΜΟΛΟΣ και Coriolis</translation>
    </message>
    <message>
        <source>The RELATIVE velocity Vre is analysed into: Vα</source>
        <translation>Η ΣΧΕΤΙΚΗ ταχύτητα Vre αναλύεται σε: Vα</translation>
    </message>
    <message>
        <source>and -Vb (base), that is: Vre=Vα-Vb where Vb=ωΧR</source>
        <translation>και -Vb (βάσης), δηλαδή: Vre=Vα-Vb όπου Vb=ωΧR</translation>
    </message>
    <message>
        <source>In the diagram there are 4 curves:</source>
        <translation>Στο διάγραμμα υπάρχουν 4 καμπύλες:</translation>
    </message>
    <message>
        <source>1 blue, which is the orbit that the ROTATING observer sees</source>
        <translation>1 μπλε, που είναι η τροχιά που βλέπει ο ΠΕΡΙΣΤΡΕΦΟΜΕΝΟΣ παρατηρητής</translation>
    </message>
    <message>
        <source>2 PINK, which are the ABSOLUTE orbits as the ROTATING observer sees them</source>
        <translation>2 ΡΟΖ, που είναι οι ΑΠΟΛΥΤΕΣ τροχιές όπως τις βλέπει ο ΠΕΡΙΣΤΡΕΦΟΜΕΝΟΣ</translation>
    </message>
    <message>
        <source>and one RED, which is the absolute orbit for the INERTIAL observer</source>
        <translation>και μία ΚΟΚΚΙΝΗ, που είναι η απόλυτη τροχιά για τον ΑΔΡΑΝΕΙΑΚΟ παρατηρητή</translation>
    </message>
    <message>
        <source>In the diagram are shown the relative velocities at 2 moments</source>
        <translation>Στο διάγραμμα φαίνονται οι σχετικές ταχύτητες σε 2 χρονικές στιγμές</translation>
    </message>
    <message>
        <source>In the diagram are the ABSOLUTE velocities:</source>
        <translation>Στο διάγραμμα είναι οι ΑΠΟΛΥΤΕΣ ταχύτητες:</translation>
    </message>
    <message>
        <source>Vα11, Vα22: as the ROTATING observer sees them at t1 &amp; t2</source>
        <translation>Vα11, Vα22: όπως τις βλέπει ο ΠΕΡΙΣΤΡΕΦΟΜΕΝΟΣ παρατηρητής στα t1 &amp; t2</translation>
    </message>
    <message>
        <source>and the corresponding ABSOLUTE orbits</source>
        <translation>και οι αντίστοιχες ΑΠΟΛΥΤΕΣ τροχιές</translation>
    </message>
    <message>
        <source>as the ROTATING observer sees them</source>
        <translation>όπως τις βλέπει ο ΠΕΡΙΣΤΡΕΦΟΜΕΝΟΣ παρατηρητής</translation>
    </message>
    <message>
        <source>In the diagram are the base velocities:</source>
        <translation>Στο διάγραμμα είναι οι ταχύτητες βάσης:</translation>
    </message>
    <message>
        <source>Vb11, Vb22: for the ROTATING (t=t1 &amp; t=t2)</source>
        <translation>Vb11, Vb22: για τον ΠΕΡΙΣΤΡΕΦΟΜΕΝΟ (t=t1 &amp; t=t2)</translation>
    </message>
    <message>
        <source>and their negatives -Vb11, -Vb22</source>
        <translation>και οι αντίθετές τους -Vb11, -Vb22</translation>
    </message>
    <message>
        <source>The Relative Velocity is decomposed into:</source>
        <translation>Η Σχετική ταχύτητα αναλύεται σε:</translation>
    </message>
    <message>
        <source>Vre=Vα-Vb = Vα + (-Vb)</source>
        <translation>Vre=Vα-Vb = Vα + (-Vb)</translation>
    </message>
    <message>
        <source>The analysis is shown for 2 moments</source>
        <translation>Η ανάλυση φαίνεται για 2 χρονικές στιγμές</translation>
    </message>
    <message>
        <source>The RELATIVE ACCELERATION is calculated</source>
        <translation>Υπολογίζεται η ΣΧΕΤΙΚΗ ΕΠΙΤΑΧΥΝΣΗ</translation>
    </message>
    <message>
        <source>a_relative =(Vre22-Vre11)/Δt</source>
        <translation>a_relative =(Vre22-Vre11)/Δt</translation>
    </message>
    <message>
        <source>With a dashed vector is shown the Vre22</source>
        <translation>Με διακεκομμένο διάνυσμα φαίνεται η Vre22</translation>
    </message>
    <message>
        <source>Acceleration due to the base rotation= -(Vb22-Vb21)/Δt</source>
        <translation>Επιτάχυνση λόγω της περιστροφής της βάσης= -(Vb22-Vb21)/Δt</translation>
    </message>
    <message>
        <source>This acceleration is _|_ to the relative velocity because</source>
        <translation>Η επιτάχυνση αυτή είναι _|_ στη σχετική ταχύτητα γιατί</translation>
    </message>
    <message>
        <source>Vb=ωΧR  --&gt;α =-(Vb2-Vb1)/Δt=-ωΧ(R2-R1)/Δt=-ωΧVrelative</source>
        <translation>Vb=ωΧR  --&gt;α =-(Vb2-Vb1)/Δt=-ωΧ(R2-R1)/Δt=-ωΧVrelative</translation>
    </message>
    <message>
        <source>It has the direction of the Coriolis acceleration, WHICH</source>
        <translation>Έχει την κατεύθυνση της επιτάχυνσης Coriolis, Η ΟΠΟΙΑ</translation>
    </message>
    <message>
        <source>is -2ωΧVrelative. The factor 2 is explained at the next CLICK</source>
        <translation>είναι -2ωΧVrelative. Ο παράγοντας 2 εξηγείται στο επόμενο ΚΛΙΚ</translation>
    </message>
    <message>
        <source>Absolute acceleration= (Vα22-Vα11)/Δt</source>
        <translation>Απόλυτη επιτάχυνση= (Vα22-Vα11)/Δt</translation>
    </message>
    <message>
        <source>With a dashed vector is shown the Vα22</source>
        <translation>Με διακεκομμένο διάνυσμα φαίνεται η Vα22</translation>
    </message>
    <message>
        <source>Press CLICK to see a decomposition of the acceleration</source>
        <translation>Κάντε ΚΛΙΚ για να δείτε μια ανάλυση της επιτάχυνσης</translation>
    </message>
    <message>
        <source>Analysis of the ABSOLUTE ACCELERATION= (Vα22-Vα11)/Δt</source>
        <translation>Ανάλυση της ΑΠΟΛΥΤΗΣ ΕΠΙΤΑΧΥΝΣΗΣ= (Vα22-Vα11)/Δt</translation>
    </message>
    <message>
        <source>Into 2 components: a) // to the radius and b) _|_ to Vrelative</source>
        <translation>Σε 2 συνιστώσες: α) // στην ακτίνα και β) _|_ στη Vrelative</translation>
    </message>
    <message>
        <source>                         Decomposition of the RELATIVE ACCELERATION</source>
        <translation>                         Ανάλυση της ΣΧΕΤΙΚΗΣ ΕΠΙΤΑΧΥΝΣΗΣ</translation>
    </message>
    <message>
        <source>INTO a component // r and one perpendicular to the VELOCITY. The first one is equal to</source>
        <translation>ΣΕ μια συνιστώσα // r και μια κάθετη στην ΤΑΧΥΤΗΤΑ. Η πρώτη είναι ίση με</translation>
    </message>
    <message>
        <source>the component of relative acceleration // r, while the second is due</source>
        <translation>τη συνιστώσα της σχετικής επιτάχυνσης // r, ενώ η δεύτερη οφείλεται</translation>
    </message>
    <message>
        <source>to -dVb/dt and to the component of Vα _|_ to Vre</source>
        <translation>στην -dVb/dt και στη συνιστώσα της Vα _|_ στη Vre</translation>
    </message>
    <message>
        <source>The sum of the 2 components gives the Coriolis FORCE with value 2m.|ω|*|Vre|</source>
        <translation>Το άθροισμα των 2 συνιστωσών δίνει τη ΔΥΝΑΜΗ Coriolis με μέτρο 2m.|ω|*|Vre|</translation>
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
    <name>snapshot</name>
    <message>
        <source>Screens for --snapshot:</source>
        <translation>Οθόνες για το --snapshot:</translation>
    </message>
    <message>
        <source>the opening screen, where an activity is chosen</source>
        <translation>η αρχική οθόνη, όπου επιλέγεται δραστηριότητα</translation>
    </message>
    <message>
        <source>the simulation screen after a run</source>
        <translation>η οθόνη της προσομοίωσης μετά από μια εκτέλεση</translation>
    </message>
    <message>
        <source>the run&apos;s orbits in both frames</source>
        <translation>οι τροχιές της εκτέλεσης και στα δύο συστήματα αναφοράς</translation>
    </message>
    <message>
        <source>the orbits drawn as the body moves</source>
        <translation>οι τροχιές καθώς κινείται το σώμα</translation>
    </message>
    <message>
        <source>the velocity and the friction force, animated</source>
        <translation>η ταχύτητα και η τριβή, σε κίνηση</translation>
    </message>
    <message>
        <source>the base&apos;s angle against time</source>
        <translation>η γωνία της βάσης σε συνάρτηση με τον χρόνο</translation>
    </message>
    <message>
        <source>the base&apos;s angular velocity against time</source>
        <translation>η γωνιακή ταχύτητα της βάσης σε συνάρτηση με τον χρόνο</translation>
    </message>
    <message>
        <source>the body&apos;s velocities against time</source>
        <translation>οι ταχύτητες του σώματος σε συνάρτηση με τον χρόνο</translation>
    </message>
    <message>
        <source>work and energy in both frames</source>
        <translation>έργο και ενέργεια και στα δύο συστήματα αναφοράς</translation>
    </message>
    <message>
        <source>the step-by-step explorer</source>
        <translation>η εξερεύνηση βήμα προς βήμα</translation>
    </message>
    <message>
        <source>the Coriolis term, derived page by page</source>
        <translation>ο όρος Coriolis, εξαγόμενος σελίδα προς σελίδα</translation>
    </message>
    <message>
        <source>the curve lab: why a body lags behind the disk</source>
        <translation>το εργαστήριο καμπυλών: γιατί το σώμα μένει πίσω από τον δίσκο</translation>
    </message>
    <message>
        <source>a body on an accelerating platform</source>
        <translation>σώμα πάνω σε επιταχυνόμενη πλατφόρμα</translation>
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
        <source>FRICTION</source>
        <translation>ΤΡΙΒΗ</translation>
    </message>
    <message>
        <source>forces drawn × %1</source>
        <translation>δυνάμεις σχεδιασμένες × %1</translation>
    </message>
    <message>
        <source>Initial y of body =</source>
        <translation>Αρχικό y σώματος =</translation>
    </message>
    <message>
        <source>Friction coefficient between body and platform: the value / 100</source>
        <translation>Συντελεστής τριβής σώματος και πλατφόρμας: η τιμή / 100</translation>
    </message>
    <message>
        <source>Mass of the body: the value / 50</source>
        <translation>Μάζα του σώματος: η τιμή / 50</translation>
    </message>
    <message>
        <source>FICTITIOUS FORCE</source>
        <translation>ΑΔΡΑΝΕΙΑΚΗ ΔΥΝΑΜΗ</translation>
    </message>
</context>
<context>
    <name>ttl::AboutBox</name>
    <message>
        <source>About Turntable Lab</source>
        <translation>Σχετικά με το Turntable Lab</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Έκδοση %1</translation>
    </message>
    <message>
        <source>Mechanics in rotating frames, for teachers and students.</source>
        <translation>Μηχανική σε περιστρεφόμενα συστήματα αναφοράς, για καθηγητές και μαθητές.</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU General Public Licence, version 3 or (at your choice) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Ελεύθερο λογισμικό: μπορείτε να το διανέμετε και να το τροποποιείτε σύμφωνα με την άδεια GNU General Public Licence, έκδοση 3 ή (κατά την επιλογή σας) οποιαδήποτε νεότερη έκδοση (GPL-3.0-or-later). Παρέχεται χωρίς καμία εγγύηση.</translation>
    </message>
    <message>
        <source>Text of the licence</source>
        <translation>Το κείμενο της άδειας</translation>
    </message>
    <message>
        <source>The licence:</source>
        <translation>Η άδεια:</translation>
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
        <source>Write a picture of SCREEN (listed below) to FILE (PNG, or SVG by its extension; &quot;-&quot; for PNG on standard output) without a display, and exit.</source>
        <translation>Γράφει μια εικόνα της οθόνης SCREEN (βλ. παρακάτω) στο αρχείο FILE (PNG, ή SVG όταν το λέει η κατάληξη· «-» για PNG στην τυπική έξοδο) χωρίς οθόνη προβολής, και τερματίζει.</translation>
    </message>
    <message>
        <source>Print the program&apos;s name and version.</source>
        <translation>Τυπώνει το όνομα και την έκδοση του προγράμματος.</translation>
    </message>
    <message>
        <source>The picture&apos;s size, default 1366x768.</source>
        <translation>Το μέγεθος της εικόνας, αρχικά 1366x768.</translation>
    </message>
    <message>
        <source>explorer, translating-frame: STEP pressed N times first; orbit-animation, vectors: N frames played (all by default).</source>
        <translation>explorer, translating-frame: πρώτα πατιέται N φορές το ΒΗΜΑ· orbit-animation, vectors: παίζονται N καρέ (όλα, αν δεν δοθεί).</translation>
    </message>
    <message>
        <source>explorer, derivation: the rotating observer&apos;s frame.</source>
        <translation>explorer, derivation: το σύστημα του περιστρεφόμενου παρατηρητή.</translation>
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
    <message>
        <source>Take the settings from the experiment FILE (.ttlab); an option given beside it overrides the file&apos;s value.</source>
        <translation>Οι ρυθμίσεις από το αρχείο πειράματος FILE (.ttlab)· μια επιλογή που δίνεται δίπλα του υπερισχύει της τιμής του αρχείου.</translation>
    </message>
    <message>
        <source>--record: N seconds of the animation, 1 to 120, default 10.</source>
        <translation>--record: N δευτερόλεπτα της κινούμενης εικόνας, 1 έως 120, προεπιλογή 10.</translation>
    </message>
    <message>
        <source>Record the animation of SCREEN (orbit-animation, vectors, explorer or translating-frame) as an animated GIF FILE without a display, and exit; --size WxH, default 640x480.</source>
        <translation>Εγγράφει την κινούμενη εικόνα της οθόνης SCREEN (orbit-animation, vectors, explorer ή translating-frame) ως κινούμενο GIF στο FILE χωρίς οθόνη, και τερματίζει· --size WxH, προεπιλογή 640x480.</translation>
    </message>
</context>
<context>
    <name>ttl::ExperimentFile</name>
    <message>
        <source>no experiment for the screen %1</source>
        <translation>δεν υπάρχει πείραμα για την οθόνη %1</translation>
    </message>
    <message>
        <source>the file is larger than an experiment can be (1 MiB)</source>
        <translation>το αρχείο είναι μεγαλύτερο από όσο μπορεί να είναι ένα πείραμα (1 MiB)</translation>
    </message>
    <message>
        <source>the file is not an experiment: it is not a JSON object</source>
        <translation>το αρχείο δεν είναι πείραμα: δεν είναι αντικείμενο JSON</translation>
    </message>
    <message>
        <source>the file is not an experiment: its &quot;format&quot; is not %1</source>
        <translation>το αρχείο δεν είναι πείραμα: το &quot;format&quot; του δεν είναι %1</translation>
    </message>
    <message>
        <source>the experiment was saved by a newer version of the program</source>
        <translation>το πείραμα αποθηκεύτηκε από νεότερη έκδοση του προγράμματος</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be %1</source>
        <translation>το &quot;version&quot; πρέπει να είναι %1</translation>
    </message>
    <message>
        <source>&quot;screen&quot; must be one of: %1</source>
        <translation>το &quot;screen&quot; πρέπει να είναι ένα από: %1</translation>
    </message>
    <message>
        <source>&quot;settings&quot; must be an object</source>
        <translation>το &quot;settings&quot; πρέπει να είναι αντικείμενο</translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot;</source>
        <translation>άγνωστο πεδίο &quot;%1&quot;</translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation>δεν διαβάζεται το %1: είναι φάκελος</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>δεν διαβάζεται το %1: %2</translation>
    </message>
</context>
<context>
    <name>ttl::ExperimentMenu</name>
    <message>
        <source>Turntable Lab experiment (*.ttlab)</source>
        <translation>Πείραμα του Turntable Lab (*.ttlab)</translation>
    </message>
    <message>
        <source>Open experiment</source>
        <translation>Άνοιγμα πειράματος</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Δεν ήταν δυνατό το άνοιγμα του %1: %2</translation>
    </message>
    <message>
        <source>Save experiment</source>
        <translation>Αποθήκευση πειράματος</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>Save experiment…</source>
        <translation>Αποθήκευση πειράματος…</translation>
    </message>
    <message>
        <source>Keep this screen&apos;s settings in a file, to open in class or at home</source>
        <translation>Κρατά τις ρυθμίσεις αυτής της οθόνης σε αρχείο, για να ανοιχτεί στην τάξη ή στο σπίτι</translation>
    </message>
    <message>
        <source>Open experiment…</source>
        <translation>Άνοιγμα πειράματος…</translation>
    </message>
    <message>
        <source>Recent experiments</source>
        <translation>Πρόσφατα πειράματα</translation>
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
        <translation>Πώς η ταχύτητα, η καμπυλότητα και η επιτρόχια επιτάχυνση καθορίζουν την επιτάχυνση</translation>
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
        <translation>Επιτρόχια επιτάχυνση του σώματος: η τιμή / 10</translation>
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
    <message>
        <source>CURVE - ACCELERATION</source>
        <translation>ΚΑΜΠΥΛΗ - ΕΠΙΤΑΧΥΝΣΗ</translation>
    </message>
    <message>
        <source>If you click on the diagram the vectors of FRICTION, VELOCITY &amp; ACCELERATION (centripetal &amp; tangential) are shown. PRESS SHIFT and drag the mouse from a point on the curve to draw a FORCE THAT EXPLAINS the SHAPE AND THE TANGENTIAL ACCELERATION</source>
        <translation>Αν κάνετε κλικ στο διάγραμμα, εμφανίζονται τα διανύσματα της ΤΡΙΒΗΣ, της ΤΑΧΥΤΗΤΑΣ &amp; της ΕΠΙΤΑΧΥΝΣΗΣ (κεντρομόλος &amp; επιτρόχια). ΠΑΤΗΣΤΕ SHIFT και σύρετε το ποντίκι από ένα σημείο της καμπύλης για να σχεδιάσετε μια ΔΥΝΑΜΗ ΠΟΥ ΕΞΗΓΕΙ το ΣΧΗΜΑ ΚΑΙ την ΕΠΙΤΡΟΧΙΑ ΕΠΙΤΑΧΥΝΣΗ</translation>
    </message>
    <message>
        <source>The centripetal acceleration has a direction towards the concave side of the curve. If the speed changes there is a component tangent to the curve; the circles are plotted according to the radius of curvature.</source>
        <translation>Η κεντρομόλος επιτάχυνση έχει κατεύθυνση προς τα κοίλα της καμπύλης. Αν η ταχύτητα μεταβάλλεται, υπάρχει και συνιστώσα εφαπτόμενη στην καμπύλη· οι κύκλοι σχεδιάζονται με βάση την ακτίνα καμπυλότητας.</translation>
    </message>
</context>
<context>
    <name>ttl::GuideWindow</name>
    <message>
        <source>Teacher&apos;s guide — Turntable Lab</source>
        <translation>Οδηγός για τον εκπαιδευτικό — Turntable Lab</translation>
    </message>
    <message>
        <source>Teacher&apos;s guide</source>
        <translation>Οδηγός για τον εκπαιδευτικό</translation>
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
    <message>
        <source>Work and energy</source>
        <translation>Έργο και ενέργεια</translation>
    </message>
    <message>
        <source>Angular velocity</source>
        <translation>Γωνιακή ταχύτητα</translation>
    </message>
    <message>
        <source>Velocities</source>
        <translation>Ταχύτητες</translation>
    </message>
    <message>
        <source>Vectors</source>
        <translation>Διανύσματα</translation>
    </message>
    <message>
        <source>Angle of base</source>
        <translation>Γωνία βάσης</translation>
    </message>
    <message>
        <source>Orbits</source>
        <translation>Τροχιές</translation>
    </message>
</context>
<context>
    <name>ttl::SettingsReader</name>
    <message>
        <source>the setting &quot;%1&quot; is missing</source>
        <translation>λείπει η ρύθμιση &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number</source>
        <translation>το &quot;%1&quot; πρέπει να είναι ακέραιος αριθμός</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be from %2 to %3</source>
        <translation>το &quot;%1&quot; πρέπει να είναι από %2 έως %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number</source>
        <translation>το &quot;%1&quot; πρέπει να είναι αριθμός</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be true or false</source>
        <translation>το &quot;%1&quot; πρέπει να είναι true ή false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of: %2</source>
        <translation>το &quot;%1&quot; πρέπει να είναι ένα από: %2</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1&quot;</source>
        <translation>άγνωστη ρύθμιση &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ttl::SimulationGraphTabs</name>
    <message>
        <source>Switch between the full range and half of the maximum</source>
        <translation>Εναλλαγή ανάμεσα σε όλη την κλίμακα και στο μισό του μεγίστου</translation>
    </message>
    <message>
        <source>Open in its own window</source>
        <translation>Άνοιγμα σε δικό του παράθυρο</translation>
    </message>
    <message>
        <source>Show this drawing in a window of its own, for a second screen or a projector</source>
        <translation>Εμφάνιση αυτού του σχεδίου σε δικό του παράθυρο, για δεύτερη οθόνη ή προβολικό</translation>
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
    <message>
        <source>Print…</source>
        <translation>Εκτύπωση…</translation>
    </message>
    <message>
        <source>Print picture</source>
        <translation>Εκτύπωση εικόνας</translation>
    </message>
    <message>
        <source>Could not print the picture.</source>
        <translation>Δεν ήταν δυνατή η εκτύπωση της εικόνας.</translation>
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
